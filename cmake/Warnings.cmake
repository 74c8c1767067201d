# Applied to the project's own targets through rukcon_warnings.
add_library(rukcon_warnings INTERFACE)
target_compile_options(rukcon_warnings INTERFACE
    -Wall -Wextra -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override)
if(RUKCON_WERROR)
    target_compile_options(rukcon_warnings INTERFACE -Werror)
endif()

# Writes one variant of the GNOME Shell extension from its body: extension.js and metadata.json
# in OUT_DIR. Run as `cmake -DBODY=… -DVARIANT=legacy|module -DUUID=… -DBUS_NAME=… -DOBJECT_PATH=…
# -DPROGRAM_FROM_FOLDER=… -DOUT_DIR=… -P ShellExtension.cmake`. Shell 43 and 44 load legacy imports and call init(); Shell 45
# and later load an ES module and construct its default export. The variants differ only in the
# import and export lines; the names the program calls come first in both.
if(VARIANT STREQUAL "legacy")
    set(imports "const {Clutter, Gio, GLib, Meta} = imports.gi;\nconst Main = imports.ui.main;\n")
    set(exports "\nfunction init(extension) {\n    return new RukconShell(extension);\n}\n")
    set(shell_versions "\"43\", \"44\"")
elseif(VARIANT STREQUAL "module")
    set(imports "import Clutter from 'gi://Clutter';\nimport Gio from 'gi://Gio';\nimport GLib from 'gi://GLib';\n"
                "import Meta from 'gi://Meta';\nimport * as Main from 'resource:///org/gnome/shell/ui/main.js';\n")
    set(exports "\nexport default RukconShell;\n")
    set(shell_versions "\"45\", \"46\", \"47\", \"48\", \"49\"")
else()
    message(FATAL_ERROR "ShellExtension.cmake: VARIANT must be legacy or module, not '${VARIANT}'")
endif()

file(READ "${BODY}" body)
file(MAKE_DIRECTORY "${OUT_DIR}")
file(WRITE "${OUT_DIR}/extension.js" "// Made at build time from data/gnome-shell/extension-body.js.
${imports}
const BUS_NAME = '${BUS_NAME}';
const OBJECT_PATH = '${OBJECT_PATH}';
const INTERFACE_NAME = '${BUS_NAME}';
const PROGRAM_FROM_FOLDER = '${PROGRAM_FROM_FOLDER}';

${body}${exports}")
file(WRITE "${OUT_DIR}/metadata.json" "{
    \"uuid\": \"${UUID}\",
    \"name\": \"RUKコン\",
    \"description\": \"Lets RUKコン list and bring forward windows and type into them on GNOME under Wayland. It serves only the rukcon program installed beside it.\",
    \"shell-version\": [${shell_versions}]
}
")

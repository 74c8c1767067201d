// Links every logic library and nothing else; the test beside it checks with ldd that neither
// Qt, X11 nor SDL came along through the libraries' link interfaces.
#include "input/KeyTable.h"
#include "platform/null/NullFactory.h"
#include "settings/TextCodec.h"
#include "sound/SoundService.h"
#include "target/TargetActivation.h"

#include <cstdio>

int main()
{
    // One real call into each library, so the linker has to resolve it.
    const auto* key = rukcon::input::FindKey("F1");
    const std::string bytes = rukcon::settings::TextCodec::ToCp932("なし");
    std::printf("%d %zu %zu\n", key ? key->code : 0, bytes.size(),
                sizeof(rukcon::sound::SoundService) + sizeof(rukcon::target::TargetActivation));
    return rukcon::platform::null::createKeyEmitter()->sendKey(0, true) ? 1 : 0;
}

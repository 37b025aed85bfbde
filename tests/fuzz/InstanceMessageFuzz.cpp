// The message a later start of the editor sends the running copy over a
// local socket, which any process of the user can write to.
#include "FuzzTarget.h"
#include "app/shell/InstanceMessage.h"

TESSARY_FUZZ_NO_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList arguments;
    if (!InstanceMessage::decode(bytes, arguments))
        return 0;
    FUZZ_CHECK(arguments.size() <= InstanceMessage::kMaxArguments);
    // What was taken in can be handed on again.
    QStringList again;
    FUZZ_CHECK(InstanceMessage::decode(InstanceMessage::encode(arguments), again));
    FUZZ_CHECK(again.size() == arguments.size());
    return 0;
}

// Any bytes read as the cursor files of the install folder are at start-up: as an
// animated cursor (RIFF "ACON") and as a .ico or .cur picture.
#include <QByteArray>
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/cursors.h"

namespace {

// A picture the program would install as a cursor must be usable as one.
void check(const std::optional<CursorPicture>& picture) {
    if (picture && picture->image.isNull()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The image plugins that read .ico pictures are found through the application.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    check(readAniFirstFrame(bytes));
    check(readIconCursor(bytes));
    return 0;
}

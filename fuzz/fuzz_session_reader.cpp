// Any bytes as a session file. A session that is accepted must be written back
// as a text that reads again as the same session.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "session/session_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SessionReading reading = readSession(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (reading.content.has_value() == !reading.error.isEmpty()) std::abort();  // exactly one of them
    if (!reading.content) return 0;
    const QByteArray written = writeSession(*reading.content);
    const SessionReading again = readSession(written);
    if (!again.content || writeSession(*again.content) != written) std::abort();
    return 0;
}

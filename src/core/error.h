#pragma once

#include <QString>

#include <cstdint>
#include <memory>

// Where an Error was raised. The strings are not copied: they must be
// literals (or otherwise live as long as the program).
struct ErrorLocation {
    const char *file;
    const char *function;
    int line;
};

// The raising site's own file and line, with its qualified function name
// spelt out (GCC's function-name macros give either too little or too much).
#define CORE_ERROR_LOCATION(qualifiedFunction) (ErrorLocation{__FILE__, qualifiedFunction, __LINE__})

namespace Detail {

struct ErrorData {
    const char *file;
    const char *function;
    std::int32_t line;
    std::int32_t code;
    QString message;
    // A second record slot; nothing raised by this library fills it.
    std::shared_ptr<const void> inner;
};

} // namespace Detail

// The one exception type of the core library, thrown by value where a
// component gives up. Copies share one immutable payload.
class Error {
public:
    Error(ErrorLocation location, int code, const QString &message);

    const char *GetFile() const { return data->file; }
    const char *GetFunction() const { return data->function; }
    std::int32_t GetLine() const { return data->line; }
    std::int32_t GetCode() const { return data->code; }
    const QString &GetMessage() const { return data->message; }
    const std::shared_ptr<const void> &GetInner() const { return data->inner; }
    const Detail::ErrorData &GetData() const { return *data; }

private:
    std::shared_ptr<const Detail::ErrorData> data;
};

namespace Core {

using Error = ::Error;

// Codes of the errors this library raises.
constexpr int kMidiLibraryErrorBase = 0x300; // plus the MIDI library's error type
constexpr int kTimerStartError = 0x401;

} // namespace Core

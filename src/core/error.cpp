#include "error.h"

Error::Error(ErrorLocation location, int code, const QString &message)
    : data(std::make_shared<const Detail::ErrorData>(
          Detail::ErrorData{location.file, location.function, location.line, code, message, nullptr}))
{
}

#pragma once
// Errors raised by the database layer: ADO's numbers, a description that names the object
// concerned, and the ADO object as the source.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/ado/constants.hpp"
#include "platform/files/held_folder.hpp"
#include "platform/oleaut/error.hpp"
#include "platform/oleaut/error_text.hpp"
#include "platform/oleaut/text.hpp"

namespace ado {

// The source of a recordset's errors.
inline constexpr const char* kRecordsetSource = "ADODB.Recordset";

inline oleaut::Error adoError(ErrorNumberEnum number, std::string description,
                              std::string source = "ADODB") {
    return oleaut::Error(number, std::move(description), std::move(source));
}

// An object asked for what only a closed or only an open one does.
inline oleaut::Error objectClosedError(std::string source) {
    return adoError(adErrObjectClosed, "Operation is not allowed when the object is closed.",
                    std::move(source));
}
inline oleaut::Error objectOpenError(std::string source) {
    return adoError(adErrObjectOpen, "Operation is not allowed when the object is open.",
                    std::move(source));
}

// A recordset asked for its current row where it has none; sourceName as sourceNameOf gives it.
inline oleaut::Error noCurrentRecordError(const std::string& sourceName) {
    return adoError(adErrNoCurrentRecord,
                    "Either BOF or EOF is True, or the current record has been deleted. "
                    "Requested operation requires a current record (" +
                        sourceName + ").",
                    kRecordsetSource);
}

// A failure the data source itself reports: ADO's number, the source's message, and the source's
// own number for it (ADO's NativeError).
class ProviderError : public oleaut::Error {
  public:
    ProviderError(ErrorNumberEnum number, std::string description, int32_t nativeError,
                  std::string source)
        : oleaut::Error(number, std::move(description), std::move(source)),
          nativeError_(nativeError) {}

    int32_t nativeError() const noexcept { return nativeError_; }

  private:
    int32_t nativeError_;
};

// Text quoted for a message: «name» reads unambiguously whatever blanks the name holds; a long
// text is cut.
inline std::string inQuotes(std::string_view text) {
    return "\"" + oleaut::echoed(text) + "\"";
}

// A file's path quoted for a message, as a user knows it: a path through a held folder is shown as
// the folder's present path, and a long one is cut in its middle, the file's own name whole.
inline std::string pathInQuotes(const std::filesystem::path& path) {
    return "\"" + oleaut::echoedPath(files::shownPath(path).native()) + "\"";
}

// A recordset's source as failures name it: quoted, or "the recordset" when it has none.
inline std::string sourceNameOf(const std::string& sourceText) {
    return sourceText.empty() ? "the recordset" : inQuotes(sourceText);
}

}  // namespace ado

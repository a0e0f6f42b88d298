#include "platform/sqlserver/statements.hpp"

#include <array>

#include "platform/oleaut/enclosed.hpp"
#include "platform/oleaut/text.hpp"
#include "platform/sqlserver/database_names.hpp"
#include "platform/sqlserver/server_errors.hpp"

namespace sqlserver {
namespace {

// In a pattern, a quoted literal ('' inside for a quote) and a bracketed name ("]]" for "]").
constexpr std::string_view kLiteral = "{literal}";
constexpr std::string_view kName = "{name}";

struct Pattern {
    StatementKind kind;
    std::string_view text;
};

constexpr std::array<Pattern, 8> kPatterns = {{
    {StatementKind::Permission,
     "select * from sys.fn_my_permissions(NULL, 'DATABASE') where ([permission_name] = "
     "{literal}); "},
    {StatementKind::Databases, "select * from sys.databases"},
    {StatementKind::DatabaseByName, "select * from sys.databases where (name = {literal})"},
    {StatementKind::FileList, "RESTORE FILELISTONLY FROM DISK = {literal} WITH FILE=1; "},
    {StatementKind::MasterFiles, "select * from  sys.master_files where physical_name = {literal}"},
    {StatementKind::Restore,
     "RESTORE DATABASE {name} FROM DISK = {literal}With Move {literal} TO {literal},Move "
     "{literal} TO {literal}"},
    {StatementKind::StampWorkstationTables,
     " Update [001_Таблицы_АРМов]   SET [001_Таблицы_АРМов].[SQLServer] = {literal} ,      "
     "[001_Таблицы_АРМов].[SQLDatabase] = {literal};"},
    {StatementKind::WorkstationTables,
     "select * from [001_Таблицы_АРМов] where (([АРМ] like {literal}) AND "
     "(([001_Таблицы_АРМов].[Нал])=0) AND (([001_Таблицы_АРМов].[Резерв1])='0'))"},
}};

// A text that matches a pattern: its values, whether a bracketed name among them is empty
// (blanks only included), and the first value that is not UTF-8, if any.
struct Match {
    std::vector<std::string> values;
    bool emptyName = false;
    std::optional<std::string> notText;
};

std::optional<Match> match(std::string_view pattern, std::string_view text) {
    Match found;
    size_t pos = 0;
    while (!pattern.empty()) {
        const size_t marker = pattern.find('{');
        const std::string_view fixed = pattern.substr(0, marker);
        if (text.substr(pos, fixed.size()) != fixed) return std::nullopt;
        pos += fixed.size();
        if (marker == std::string_view::npos) break;
        pattern.remove_prefix(marker);
        const bool literal = pattern.starts_with(kLiteral);
        auto value = literal ? oleaut::readEnclosed(text, pos, '\'', '\'', true)
                             : oleaut::readEnclosed(text, pos, '[', ']', true);
        if (!value) return std::nullopt;
        if (!literal && keptName(*value).empty()) found.emptyName = true;
        if (!found.notText && !oleaut::isValidUtf8(*value)) found.notText = *value;
        found.values.push_back(std::move(*value));
        pattern.remove_prefix(literal ? kLiteral.size() : kName.size());
    }
    if (pos != text.size()) return std::nullopt;
    return found;
}

}  // namespace

std::optional<Statement> parseStatement(std::string_view text) {
    for (const Pattern& pattern : kPatterns) {
        auto found = match(pattern.text, text);
        if (!found) continue;
        if (found->emptyName) {
            throw statementError(kEmptyName,
                                 "An object or column name is missing or empty. For SELECT INTO "
                                 "statements, verify each column has a name. For other "
                                 "statements, look for empty alias names. Aliases defined as \"\" "
                                 "or [] are not allowed. Change the alias to a valid name.");
        }
        // The server reads its statements as Unicode text: bytes that are no UTF-8 characters
        // are no name or literal to it, and it fails where they stand, its invalid bytes shown
        // as U+FFFD.
        if (found->notText) {
            throw statementError(
                kIncorrectSyntax,
                "Incorrect syntax near " +
                    serverQuoted(oleaut::encodeUtf8(oleaut::decodeUtf8(*found->notText))) + ".");
        }
        return Statement{pattern.kind, std::move(found->values)};
    }
    return std::nullopt;
}

}  // namespace sqlserver

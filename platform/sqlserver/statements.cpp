#include "platform/sqlserver/statements.hpp"

#include <array>

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

// Reads a value enclosed by open and close, a doubled close standing for one; advances pos past
// it. Nothing when the text holds no such value there.
std::optional<std::string> readEnclosed(std::string_view text, size_t& pos, char open, char close) {
    if (pos >= text.size() || text[pos] != open) return std::nullopt;
    std::string value;
    for (size_t i = pos + 1; i < text.size(); ++i) {
        if (text[i] != close) {
            value += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == close) {
            value += close;
            ++i;
        } else {
            pos = i + 1;
            return value;
        }
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> match(std::string_view pattern, std::string_view text) {
    std::vector<std::string> values;
    size_t pos = 0;
    while (!pattern.empty()) {
        const size_t marker = pattern.find('{');
        const std::string_view fixed = pattern.substr(0, marker);
        if (text.substr(pos, fixed.size()) != fixed) return std::nullopt;
        pos += fixed.size();
        if (marker == std::string_view::npos) break;
        pattern.remove_prefix(marker);
        const bool literal = pattern.starts_with(kLiteral);
        auto value =
            literal ? readEnclosed(text, pos, '\'', '\'') : readEnclosed(text, pos, '[', ']');
        if (!value) return std::nullopt;
        values.push_back(std::move(*value));
        pattern.remove_prefix(literal ? kLiteral.size() : kName.size());
    }
    if (pos != text.size()) return std::nullopt;
    return values;
}

}  // namespace

std::optional<Statement> parseStatement(std::string_view text) {
    for (const Pattern& pattern : kPatterns) {
        if (auto values = match(pattern.text, text))
            return Statement{pattern.kind, std::move(*values)};
    }
    return std::nullopt;
}

}  // namespace sqlserver

#include "platform/wsh/script.hpp"

#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <variant>
#include <vector>

#include "platform/oleaut/enclosed.hpp"
#include "platform/oleaut/error.hpp"
#include "platform/oleaut/letter_case.hpp"
#include "platform/wsh/access.hpp"
#include "platform/wsh/file_system.hpp"
#include "platform/wsh/shell.hpp"

namespace wsh {
namespace {

constexpr int32_t kUnknownStatement = 1002;  // "Syntax error"
constexpr const char* kSource = "vendrel-wsh";

using Object = std::variant<std::shared_ptr<AccessApplication>, FileSystemObject, File, Shell>;

// A line read against a form: fixed parts ignore letter case, "{var}" is a name, "{text}" a
// quoted literal ("" inside for a quote).
std::optional<std::vector<std::string>> match(std::string_view form, std::string_view line) {
    std::vector<std::string> values;
    size_t pos = 0;
    while (!form.empty()) {
        const size_t marker = form.find('{');
        const std::string_view fixed = form.substr(0, marker);
        if (!oleaut::sameTextIgnoringCase(line.substr(pos, fixed.size()), fixed))
            return std::nullopt;
        pos += fixed.size();
        if (marker == std::string_view::npos) break;
        form.remove_prefix(marker);
        std::string value;
        if (form.starts_with("{var}")) {
            while (pos < line.size() &&
                   (std::isalnum(static_cast<unsigned char>(line[pos])) || line[pos] == '_')) {
                value += line[pos++];
            }
            if (value.empty()) return std::nullopt;
            form.remove_prefix(5);
        } else {
            auto literal = oleaut::readEnclosed(line, pos, '"', '"', true);
            if (!literal) return std::nullopt;
            value = std::move(*literal);
            form.remove_prefix(6);
        }
        values.push_back(std::move(value));
    }
    if (pos != line.size()) return std::nullopt;
    return values;
}

class Interpreter {
  public:
    void run(const std::string& line) {
        using Values = const std::vector<std::string>&;
        const std::pair<const char*, std::function<void(Values)>> forms[] = {
            {"Set {var} = CreateObject({text})", [&](Values v) { set(v[0], create(v[1])); }},
            {"Set {var} = GetObject({text})", [&](Values v) { set(v[0], access(v[1])); }},
            {"Set {var} = {var}.GetFile({text})",
             [&](Values v) { set(v[0], as<FileSystemObject>(v[1]).GetFile(v[2])); }},
            {"{var}.Application.SysCmd 504, 16483",
             [&](Values v) { as<std::shared_ptr<AccessApplication>>(v[0])->compileModules(); }},
            {"{var}.Application.SysCmd 603, {text}, {text}",
             [&](Values v) {
                 as<std::shared_ptr<AccessApplication>>(v[0])->makeCompiledCopy(v[1], v[2]);
             }},
            {"{var}.DoCmd.Quit",
             [&](Values v) { as<std::shared_ptr<AccessApplication>>(v[0])->quit(); }},
            {"{var}.Delete", [&](Values v) { deleteScript(as<File>(v[0])); }},
            {"{var}.Run {text}", [&](Values v) { as<Shell>(v[0]).Run(v[1]); }},
        };
        for (const auto& [form, action] : forms) {
            if (auto values = match(form, line)) return action(*values);
        }
        throw oleaut::Error(kUnknownStatement, "unknown statement: " + line, kSource);
    }

  private:
    static Object create(const std::string& progId) {
        if (oleaut::sameTextIgnoringCase(progId, "Access.Application")) {
            return std::make_shared<AccessApplication>();
        }
        if (oleaut::sameTextIgnoringCase(progId, "Scripting.FileSystemObject")) {
            return FileSystemObject();
        }
        if (oleaut::sameTextIgnoringCase(progId, "WScript.Shell")) return Shell();
        throw oleaut::Error(oleaut::kCannotCreateObject,
                            "ActiveX component can't create object: " + progId, kSource);
    }

    static Object access(const std::string& path) {
        auto instance = std::make_shared<AccessApplication>();
        instance->openFile(path);
        return instance;
    }

    // The script itself, and its folder when that is left empty.
    static void deleteScript(const File& file) {
        file.Delete();
        std::error_code ec;
        const auto folder = std::filesystem::path(file.Path()).parent_path();
        if (!folder.empty() && std::filesystem::is_empty(folder, ec)) {
            std::filesystem::remove(folder, ec);
        }
    }

    void set(const std::string& name, Object value) {
        variables_.insert_or_assign(oleaut::lowerCaseText(name), std::move(value));
    }

    template <class Kind>
    Kind& as(const std::string& name) {
        const auto found = variables_.find(oleaut::lowerCaseText(name));
        if (found == variables_.end() || !std::holds_alternative<Kind>(found->second)) {
            throw oleaut::Error(oleaut::kObjectRequired, "Object required: '" + name + "'",
                                kSource);
        }
        return std::get<Kind>(found->second);
    }

    std::map<std::string, Object> variables_;
};

std::string withoutTrailingBlanks(std::string line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) {
        line.pop_back();
    }
    return line;
}

}  // namespace

int runScript(const std::filesystem::path& script, std::ostream& err) {
    std::ifstream in(script, std::ios::binary);
    if (!in) {
        err << "cannot read script " << script.string() << "\n";
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    Interpreter interpreter;
    std::string line;
    for (int number = 1; std::getline(text, line); ++number) {
        line = withoutTrailingBlanks(line);
        if (line.empty()) continue;
        try {
            interpreter.run(line);
        } catch (const std::exception& e) {
            const auto* error = dynamic_cast<const oleaut::Error*>(&e);
            err << script.string() << " line " << number << ": "
                << (error ? "error " + std::to_string(error->number()) + ": " : std::string())
                << e.what() << "\n";
            return 1;
        }
    }
    return 0;
}

}  // namespace wsh

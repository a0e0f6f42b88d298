#include "platform/sqlserver/database_names.hpp"

#include "platform/oleaut/letter_case.hpp"

namespace sqlserver {

std::string_view keptName(std::string_view name) {
    const size_t last = name.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : name.substr(0, last + 1);
}

std::string nameKey(std::string_view name) {
    return oleaut::lowerCaseText(keptName(name));
}

}  // namespace sqlserver

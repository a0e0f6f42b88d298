#include "library/services/appending_selection.hpp"

namespace kalvik {

std::string appendingSelection(std::string_view table, std::string_view key) {
    const std::string t(table);
    return "SELECT " + t + ".* " + "FROM " + t + " " + "WHERE (((" + t + "." + std::string(key) +
           ") Is Null))";
}

}  // namespace kalvik

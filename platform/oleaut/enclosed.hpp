#pragma once
// Reading a value enclosed by delimiters from a text, as statement and script readers need:
// '…' with '' inside, "…" with "" inside, […].

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace oleaut {

// The value that starts at pos with open and ends at the next lone close (with doubling, two
// closes inside stand for one); pos moves past it. Nothing, pos unchanged, when there is none.
[[nodiscard]] std::optional<std::string> readEnclosed(std::string_view text, size_t& pos, char open,
                                                      char close, bool doubling);

}  // namespace oleaut

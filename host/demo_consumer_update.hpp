#pragma once
// The consumer load update of kalvik demo: a given heating volume saved through Potr.Save_Rst,
// then Potr.Calc_Potr over every consumer.

#include <string>

#include "platform/com/registry.hpp"

namespace host {

// Prints the consumers updated, Контр_Обновл and the elapsed time, then the local loss spreading
// with its time; false when a call failed.
bool runConsumerUpdateDemo(const com::Registry& registry, const std::string& connectionString);

}  // namespace host

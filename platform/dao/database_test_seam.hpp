#pragma once
// The database's test seam: the Jet SQL texts run through Database::Execute while a log is kept,
// in order, for tests and the demonstration. Nothing is kept while no log is.

#include "platform/oleaut/recorded_texts.hpp"

namespace dao {

[[nodiscard]] oleaut::RecordedTexts& executedTexts();
class ExecuteLog : public oleaut::KeptLog {
  public:
    ExecuteLog() : KeptLog(executedTexts()) {}
};

}  // namespace dao

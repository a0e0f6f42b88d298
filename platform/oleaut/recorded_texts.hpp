#pragma once
// Texts a layer records while at least one log of it is kept, for tests and the demonstration
// (the statements a server received, the texts an engine executed). Safe across threads.

#include <mutex>
#include <string>
#include <vector>

namespace oleaut {

class RecordedTexts {
  public:
    // Records a text when a log is kept.
    void record(const std::string& text);
    // A log begins (the first one starts empty) or ends.
    void keep();
    void release();
    [[nodiscard]] std::vector<std::string> texts() const;

  private:
    mutable std::mutex mutex_;
    int keepers_ = 0;
    std::vector<std::string> texts_;
};

// A log kept while the object lives.
class KeptLog {
  public:
    explicit KeptLog(RecordedTexts& texts) : texts_(texts) { texts_.keep(); }
    ~KeptLog() { texts_.release(); }
    KeptLog(const KeptLog&) = delete;
    KeptLog& operator=(const KeptLog&) = delete;
    [[nodiscard]] std::vector<std::string> texts() const { return texts_.texts(); }

  private:
    RecordedTexts& texts_;
};

}  // namespace oleaut

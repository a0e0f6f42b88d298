#pragma once
// DAO's DBEngine: opening, creating and compacting workstation files, and the transactions of
// its workspace 0.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/dao/database.hpp"

namespace dao {

// The destination locale of a compaction: ";LANGID=0x0419;CP=1251;COUNTRY=0".
inline constexpr const char* dbLangCyrillic = ";LANGID=0x0419;CP=1251;COUNTRY=0";

class Workspace {
  public:
    // Opens a workstation file shared, read-write: missing 3024, not a workstation file 3343.
    [[nodiscard]] std::shared_ptr<Database> OpenDatabase(const std::filesystem::path& path);

    // The workspace's transactions. They bracket the engine's own work only, which touches no
    // database here: a calculation that writes through ADO keeps its rows whatever happens to
    // them. Up to five may be nested (3003 beyond); a commit or rollback without one fails with
    // 3034.
    void BeginTrans();
    void CommitTrans();
    void Rollback();

    // Transactions begun and not yet committed or rolled back.
    int32_t transactionDepth() const { return depth_; }

  private:
    static constexpr int32_t kMaxDepth = 5;
    int32_t depth_ = 0;
};

class DBEngine {
  public:
    [[nodiscard]] Workspace& Workspaces(int32_t index);

    // In the default workspace.
    [[nodiscard]] std::shared_ptr<Database> OpenDatabase(const std::filesystem::path& path);
    // A new, empty workstation file with its sort order (a locale text); 3204 when it exists.
    [[nodiscard]] std::shared_ptr<Database> CreateDatabase(const std::filesystem::path& path,
                                                           const std::string& locale);
    // Copies src into the new file dst, rows and definitions, with the locale as its sort order
    // (property Locale); dst existing 3204; src is left as it was.
    void CompactDatabase(const std::filesystem::path& src, const std::filesystem::path& dst,
                         const std::string& locale);

  private:
    Workspace default_;
};

// The process's engine, as DAO's DBEngine object.
[[nodiscard]] DBEngine& dbEngine();

}  // namespace dao

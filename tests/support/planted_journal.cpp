#include "tests/support/planted_journal.hpp"

#include <array>
#include <cstdint>
#include <fstream>
#include <string>

namespace testing_support {
namespace {

// The first bytes of every journal header, and the last of a super-journal record.
constexpr std::array<unsigned char, 8> kJournalMagic = {0xd9, 0xd5, 0x05, 0xf9,
                                                        0x20, 0xa1, 0x63, 0xd7};
constexpr uint32_t kSectorSize = 512;
constexpr uint32_t kPendingByte = 0x40000000;

void put32(std::string& bytes, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<char>(value >> shift & 0xff));
}

void putMagic(std::string& bytes) {
    for (unsigned char byte : kJournalMagic)
        bytes.push_back(static_cast<char>(byte));
}

// The page size in a database's header: big-endian at offset 16, 1 standing for 65536.
uint32_t pageSizeOf(const std::filesystem::path& database) {
    std::ifstream in(database, std::ios::binary);
    std::array<unsigned char, 18> header{};
    in.read(reinterpret_cast<char*>(header.data()), header.size());
    const uint32_t size = uint32_t{header[16]} << 8 | header[17];
    return size == 1 ? 65536 : size;
}

}  // namespace

void plantSuperJournal(const std::filesystem::path& database, const std::filesystem::path& named) {
    const uint32_t pageSize = pageSizeOf(database);
    const auto pages = static_cast<uint32_t>(std::filesystem::file_size(database) / pageSize);
    // The header: magic, no page records, the checksum seed, the database's size in pages before
    // the transaction, the sector and page sizes; padded to a sector.
    std::string bytes;
    putMagic(bytes);
    put32(bytes, 0);
    put32(bytes, 0);
    put32(bytes, pages);
    put32(bytes, kSectorSize);
    put32(bytes, pageSize);
    bytes.resize(kSectorSize, '\0');
    // The super-journal record: the lock page's number, the name, its length and the sum of its
    // bytes (as SQLite adds them, signed), and the magic.
    const std::string name = named.string();
    put32(bytes, kPendingByte / pageSize + 1);
    bytes += name;
    put32(bytes, static_cast<uint32_t>(name.size()));
    uint32_t sum = 0;
    for (char c : name)
        sum += static_cast<uint32_t>(static_cast<int>(c));
    put32(bytes, sum);
    putMagic(bytes);
    std::filesystem::path journal = database;
    journal += "-journal";
    std::ofstream(journal, std::ios::binary) << bytes;
}

}  // namespace testing_support

#pragma once

#include "records/record_format.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vorlin::testing {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
// Other users may enter it, so an unprivileged child process can reach what the test puts there.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The user id an unprivileged child runs as when the tests run as root.
inline constexpr unsigned kNobodyId = 65534;

// Runs `body` in a child process that cannot write where its user may not write: when the tests
// run as root the child drops to the user "nobody" first, since root may write anywhere and would
// prove nothing. Returns what `body` returned, or a text starting with "child:" when the child
// did not finish normally.
std::string runUnprivileged(const std::function<std::string()>& body);

// Gives a path to the unprivileged user (a no-op when the tests do not run as root).
void handToUnprivilegedUser(const std::filesystem::path& path);

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// The lines of a CR LF file, without their line ends.
std::vector<std::string> crLfLines(const std::string& bytes);

// A program folder's template "dati/Kpr4.kpr" holding these fields, one per line.
void writeTemplate(const std::filesystem::path& programFolder,
                   const std::vector<std::string>& fields);

// The default names a test template gives.
const std::vector<std::string>& defaultTemplateNames();

// A table of 1000 real records: position p has points 1500 - p, so position 1000 holds 500
// points, and the name "Giocatore p".
std::vector<Record> descendingTable();

} // namespace vorlin::testing

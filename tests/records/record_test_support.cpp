#include "record_test_support.h"

#include "records/record_file.h"

#include <cstdlib>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace vorlin::testing {

namespace fs = std::filesystem;

namespace {

constexpr int kFirstDescendingPoints = 1500;

void dropPrivileges() {
    if (::geteuid() != 0) return;
    if (::setgroups(0, nullptr) != 0 || ::setresgid(kNobodyId, kNobodyId, kNobodyId) != 0 ||
        ::setresuid(kNobodyId, kNobodyId, kNobodyId) != 0)
        ::_exit(EXIT_FAILURE);
}

} // namespace

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "vorlin-records-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
    fs::permissions(path_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Folders a test made read-only must be opened again before their contents can go.
    for (auto it = fs::recursive_directory_iterator(path_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ignored);
}

std::string runUnprivileged(const std::function<std::string()>& body) {
    int channel[2];
    if (::pipe(channel) != 0) return "child: no pipe";
    const pid_t child = ::fork();
    if (child < 0) return "child: no fork";
    if (child == 0) {
        ::close(channel[0]);
        dropPrivileges();
        const std::string answer = body();
        const bool sent = ::write(channel[1], answer.data(), answer.size()) ==
                          static_cast<ssize_t>(answer.size());
        ::_exit(sent ? EXIT_SUCCESS : EXIT_FAILURE);
    }
    ::close(channel[1]);
    std::string answer;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(channel[0], buffer, sizeof buffer)) > 0)
        answer.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != EXIT_SUCCESS)
        return "child: did not finish (status " + std::to_string(status) + ")";
    return answer;
}

void handToUnprivilegedUser(const fs::path& path) {
    if (::geteuid() == 0 && ::chown(path.c_str(), kNobodyId, kNobodyId) != 0)
        throw std::runtime_error("cannot hand " + path.string() + " to the unprivileged user");
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<std::string> crLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void writeTemplate(const fs::path& programFolder, const std::vector<std::string>& fields) {
    fs::create_directories(programFolder / "dati");
    std::string text;
    for (const std::string& field : fields)
        text += "\"" + field + "\"\r\n";
    writeBytes(programFolder / "dati" / "Kpr4.kpr", text);
}

const std::vector<std::string>& defaultTemplateNames() {
    static const std::vector<std::string> names = {"Kaprel", "Vorlin", "Banana", "Quarzo"};
    return names;
}

std::vector<Record> descendingTable() {
    std::vector<Record> records;
    for (int position = 1; position <= kNumeroRecord; ++position) {
        records.push_back({"65280", std::to_string(kFirstDescendingPoints - position), "01/02/2003",
                           "Giocatore " + std::to_string(position)});
    }
    return records;
}

} // namespace vorlin::testing

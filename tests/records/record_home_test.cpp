#include "record_test_support.h"

#include "records/record_store.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vorlin {
namespace {

namespace fs = std::filesystem;

// A user id the password database does not know.
constexpr uid_t kUnknownUser = 54321;

// Clears HOME and XDG_DATA_HOME for one test and puts them back afterwards.
class WithoutHome : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"HOME", "XDG_DATA_HOME"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            ::unsetenv(name);
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_)
            if (value) ::setenv(name.c_str(), value->c_str(), 1);
    }

  private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(WithoutHome, TheUsersEntryInThePasswordDatabaseGivesTheHomeFolder) {
    const passwd* entry = ::getpwuid(::getuid());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(RecordStore::defaultFallbackFolder(),
              fs::path(entry->pw_dir) / ".local/share/vorlin");
}

TEST_F(WithoutHome, AUserWithNoHomeKeepsNoRecordsAndIsToldSo) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can become a user the system does not know";
    testing::TempFolder base;
    const fs::path program = base.path() / "programma";
    const fs::path workingFolder = base.path() / "lavoro";
    fs::create_directories(program);
    testing::writeTemplate(program, testing::defaultTemplateNames());
    // The program folder stays root's; the working folder is the user's own, so a record file
    // wrongly made relative to it would appear there.
    fs::create_directories(workingFolder);
    ASSERT_EQ(::chown(workingFolder.c_str(), kUnknownUser, kUnknownUser), 0);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 ||
            ::setresgid(kUnknownUser, kUnknownUser, kUnknownUser) != 0 ||
            ::setresuid(kUnknownUser, kUnknownUser, kUnknownUser) != 0 ||
            ::chdir(workingFolder.c_str()) != 0)
            ::_exit(10);
        const fs::path fallback = RecordStore::defaultFallbackFolder();
        if (!fallback.empty()) ::_exit(11);
        RecordStore store;
        store.VerificaEsistenzaFileRecordOSuaCreazionePulito_(program, fallback);
        if (!store.noRecordFolder()) ::_exit(12);
        if (store.loadTable().state != RecordFileState::Missing) ::_exit(13);
        const InsertionResult result =
            store.InserimentoNuovoRecordNelFile_("255", "100", "05/11/2024", "Nuovo");
        if (result.saved() || result.errorMessage.find("non vengono salvati") == std::string::npos)
            ::_exit(14);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "step that failed: " << WEXITSTATUS(status);
    EXPECT_TRUE(fs::is_empty(workingFolder));
    EXPECT_FALSE(fs::exists(program / "Recordc1.kpr"));
}

} // namespace
} // namespace vorlin

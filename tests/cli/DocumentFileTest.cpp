#include <acl/libacl.h>
#include <gmock/gmock.h>
#include <sys/acl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <fcntl.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/cli/CommandRunner.h"
#include "tests/platform/TestSupport.h"

// A rule document as a shared, version-controlled file: commands on it at once, links, modes,
// read-only files and what a killed save leaves.
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using namespace std::string_literals;
namespace fs = std::filesystem;

class DocumentFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunVeritorRules(m_folder.Path(), "new doc.xml").status, 0);
        m_original = Read("doc.xml");
    }
    std::string Read(const std::string& name) const {
        return ReadWholeFile(m_folder.Path() / name);
    }
    mode_t Mode(const std::string& name) const {
        struct stat status {};
        ::stat((m_folder.Path() / name).c_str(), &status);
        return status.st_mode & 07777;
    }
    CommandResult Run(const std::string& arguments) {
        return RunVeritorRules(m_folder.Path(), arguments);
    }
    // A shell line in the folder, with $P the staged veritor-rules; its exit status.
    int Shell(const std::string& line) const {
        const std::string command = "cd '" + m_folder.Path().string() + "' && P='" +
                                    (fs::path(VERITOR_STAGE_DIR) / "bin/veritor-rules").string() +
                                    "' && " + line;
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    TemporaryFolder m_folder;
    std::string m_original;
};

// Each command reports its change saved, and each change is in the file afterwards: the later
// commands wait for the earlier, then read what they saved.
TEST_F(DocumentFile, CommandsAtOnceLoseNoChange) {
    std::ofstream(m_folder.Path() / "draft") << "type 1113 1.25\nok\n";
    std::ofstream(m_folder.Path() / "fillet") << "type 1134 0.75\nok\n";
    for (int round = 0; round < 6; ++round) {
        ASSERT_EQ(Shell("$P new doc.xml --force >/dev/null && "
                        "{ $P edit doc.xml 'Draft Angle' --script draft >/dev/null & a=$!; "
                        "$P edit doc.xml 'Fillet Radius' --script fillet >/dev/null & b=$!; "
                        "$P units doc.xml --unit in >/dev/null & c=$!; "
                        "wait $a && wait $b && wait $c; }"),
                  0)
            << "round " << round;
        const std::string document = Read("doc.xml");
        EXPECT_THAT(document, HasSubstr("Unit=\"3\"")) << "round " << round;
        EXPECT_THAT(document, HasSubstr("<Value>1.250000</Value>")) << "round " << round;
        const std::string fillet = document.substr(document.find("Type=\"2142\""), 200);
        EXPECT_THAT(fillet, ::testing::AnyOf(HasSubstr("<Value>0.750000</Value>"),
                                             HasSubstr("<Value>0.029528</Value>")))
            << "round " << round;
    }
}

TEST_F(DocumentFile, ASaveThroughALinkChangesTheTargetAndKeepsTheLink) {
    fs::create_directory(m_folder.Path() / "shared");
    fs::rename(m_folder.Path() / "doc.xml", m_folder.Path() / "shared/rules.xml");
    fs::create_symlink("shared/rules.xml", m_folder.Path() / "doc.xml");
    ASSERT_EQ(Run("units doc.xml --unit in").status, 0);
    EXPECT_TRUE(fs::is_symlink(m_folder.Path() / "doc.xml"));
    EXPECT_THAT(Read("shared/rules.xml"), HasSubstr("Unit=\"3\""));
    EXPECT_EQ(fs::directory_iterator(m_folder.Path() / "shared")->path().filename(), "rules.xml");
}

TEST_F(DocumentFile, TheSavedFileKeepsItsModeAndHardLinksKeepTheOldText) {
    ::chmod((m_folder.Path() / "doc.xml").c_str(), 0640);
    fs::create_hard_link(m_folder.Path() / "doc.xml", m_folder.Path() / "other.xml");
    ASSERT_EQ(Run("units doc.xml --unit in").status, 0);
    EXPECT_EQ(Mode("doc.xml"), 0640u);
    EXPECT_EQ(Read("other.xml"), m_original);
}

TEST_F(DocumentFile, AReadOnlyDocumentIsRefusedNotReplaced) {
    ::chmod((m_folder.Path() / "doc.xml").c_str(), 0444);
    std::ofstream(m_folder.Path() / "script") << "type 1113 2\nok\n";
    for (const char* command :
         {"units doc.xml --unit in", "edit doc.xml 'Draft Angle' --script script",
          "new doc.xml --force"}) {
        const CommandResult result = Run(command);
        EXPECT_EQ(result.status, 1) << command;
        EXPECT_THAT(result.err, HasSubstr("doc.xml: is read-only (mode 0444): not replaced"))
            << command;
        EXPECT_EQ(Read("doc.xml"), m_original) << command;
        EXPECT_EQ(Mode("doc.xml"), 0444u) << command;
    }
}

TEST_F(DocumentFile, ANewDocumentFollowsTheUmask) {
    ASSERT_EQ(Shell("umask 027 && $P new fresh.xml"), 0);
    EXPECT_EQ(Mode("fresh.xml"), 0640u);
}

// A command that finds the document locked by another says so after a second, and gives up
// after --wait seconds without changing anything; without --wait it saves once the lock is free.
TEST_F(DocumentFile, ACommandWaitingForAnothersLockSaysSoAndGivesUpAfterItsWait) {
    std::ofstream(m_folder.Path() / "script") << "type 1113 2\nok\n";
    // Not inherited by the commands, which would then hold the lock themselves.
    const int held = ::open((m_folder.Path() / "doc.xml").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const CommandResult timedOut = Run("units doc.xml --unit in --wait 1.5");
    EXPECT_EQ(timedOut.status, 1);
    EXPECT_THAT(timedOut.err, HasSubstr("veritor-rules: waiting for doc.xml: another command is "
                                        "saving it\n"));
    EXPECT_THAT(timedOut.err, HasSubstr("doc.xml: another command is still saving it after 1.5 s: "
                                        "not changed\n"));
    for (const char* command :
         {"edit doc.xml 'Draft Angle' --script script --wait 0", "new doc.xml --force --wait 0"}) {
        const CommandResult result = Run(command);
        EXPECT_EQ(result.status, 1) << command;
        EXPECT_THAT(result.err, HasSubstr("after 0 s: not changed")) << command;
        EXPECT_THAT(result.err, Not(HasSubstr("waiting for"))) << command;
    }
    EXPECT_EQ(Read("doc.xml"), m_original);

    std::thread release([held] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1300));
        ::close(held);
    });
    const CommandResult waited = Run("units doc.xml --unit in");
    release.join();
    EXPECT_EQ(waited.status, 0) << waited.err;
    EXPECT_THAT(waited.err, HasSubstr("waiting for doc.xml"));
    EXPECT_THAT(Read("doc.xml"), HasSubstr("Unit=\"3\""));

    for (const char* seconds : {"-1", "nan", "inf", "1e9", "soon"}) {
        const CommandResult refused = Run("units doc.xml --unit mm --wait "s + seconds);
        EXPECT_NE(refused.status, 0) << seconds;
        EXPECT_THAT(refused.err, HasSubstr("give the seconds to wait as a number from 0 to 86400"))
            << seconds;
    }
}

// As careful editors do, a save gives the new file the old one's access control list and
// extended attributes.
TEST_F(DocumentFile, TheSavedFileKeepsItsAccessControlListAndExtendedAttributes) {
    const std::string path = (m_folder.Path() / "doc.xml").string();
    const std::string origin = "https://example.invalid/rules";
    if (::setxattr(path.c_str(), "user.origin", origin.data(), origin.size(), 0) != 0) {
        GTEST_SKIP() << "the test folder's file system keeps no extended attributes";
    }
    const acl_t acl = ::acl_from_text("u::rw-,u:12345:r--,g::r--,m::r--,o::---");
    ASSERT_NE(acl, nullptr);
    ASSERT_EQ(::acl_set_file(path.c_str(), ACL_TYPE_ACCESS, acl), 0);
    ::acl_free(acl);
    const auto aclText = [&path] {
        const acl_t kept = ::acl_get_file(path.c_str(), ACL_TYPE_ACCESS);
        char* text = ::acl_to_any_text(kept, nullptr, ',', 0);
        const std::string result = text ? text : "";
        ::acl_free(text);
        ::acl_free(kept);
        return result;
    };
    const std::string before = aclText();

    ASSERT_EQ(Run("units doc.xml --unit in").status, 0);
    EXPECT_EQ(aclText(), before);
    char value[64] = {};
    const ssize_t size = ::getxattr(path.c_str(), "user.origin", value, sizeof value);
    EXPECT_EQ(std::string(value, size > 0 ? static_cast<std::size_t>(size) : 0), origin);
}

// A file nobody writes any more, left by a killed save, goes at the next save; one a running
// save still writes (it holds a lock on it) stays, and so does every file the program did not
// make: a person's backups, whatever is named like a save's file but is no regular file.
TEST_F(DocumentFile, ASaveRemovesOnlyWhatAKilledSaveLeft) {
    const fs::path folder = m_folder.Path();
    std::ofstream(folder / ".doc.xml.veritor-save-Xa12bc") << "half a document";
    std::ofstream(folder / ".doc.xml.veritor-save-Yd34ef") << "being written";
    const int writing = ::open((folder / ".doc.xml.veritor-save-Yd34ef").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(writing, LOCK_EX), 0);
    const std::string kept[] = {".doc.xml.backup", ".doc.xml.orig01", ".doc.xml.Xa12bc"};
    for (const std::string& name : kept) {
        std::ofstream(folder / name) << "a person's file";
    }
    ASSERT_EQ(::mkfifo((folder / ".doc.xml.veritor-save-fifo01").c_str(), 0600), 0);
    fs::create_directory(folder / ".doc.xml.veritor-save-dir001");
    fs::create_symlink("doc.xml", folder / ".doc.xml.veritor-save-link01");

    ASSERT_EQ(Run("units doc.xml --unit in").status, 0);
    EXPECT_FALSE(fs::exists(folder / ".doc.xml.veritor-save-Xa12bc"));
    EXPECT_TRUE(fs::exists(folder / ".doc.xml.veritor-save-Yd34ef"));
    for (const std::string& name : kept) {
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    }
    EXPECT_TRUE(fs::is_fifo(folder / ".doc.xml.veritor-save-fifo01"));
    EXPECT_TRUE(fs::is_directory(folder / ".doc.xml.veritor-save-dir001"));
    EXPECT_TRUE(fs::is_symlink(folder / ".doc.xml.veritor-save-link01"));
    ::close(writing);
}

// What the module does not understand is kept through a rewrite: comments, processing
// instructions (also those named like the module's elements) and the document type, and
// attributes, elements and records it does not write inside a rule element.
TEST_F(DocumentFile, WhatTheModuleDoesNotUnderstandSurvivesUnitsAndEdit) {
    const std::string foreign[] = {
        "<!DOCTYPE RuleSet [<!ENTITY lab \"Line B\">]>",
        "<!-- reviewed by the tooling group -->",
        "<?review status=\"open\"?>",
        "Reviewer=\"K. Lee\"",
        "<!-- core side first -->",
        "<Origin>supplier sheet</Origin>",
        "Source=\"sheet 4\"",
        "<Tolerance>0.05</Tolerance>",
        "<Parameter Name=\"\" Type=\"9999\" Status=\"1\">",
        "<Value>7</Value>",
        "<?Parameter checked?>",
        "<?Value from the sheet?>",
    };
    std::string document = Read("doc.xml");
    const auto insertAfter = [&document](const std::string& anchor, const std::string& text) {
        const std::size_t at = document.find(anchor);
        ASSERT_NE(at, std::string::npos) << anchor;
        document.insert(at + anchor.size(), text);
    };
    insertAfter("?>\n", foreign[0] + "\n" + foreign[1] + "\n" + foreign[2] + "\n");
    insertAfter("<Rule Name=\"Draft Angle\"", " " + foreign[3]);
    insertAfter("Category=\"\">",
                foreign[4] + foreign[5] + foreign[8] + foreign[9] + "</Parameter>");
    insertAfter("<Parameter Name=\"\" Type=\"2120\"", " " + foreign[6]);
    insertAfter("<ParameterType>2</ParameterType>", foreign[7] + foreign[11]);
    insertAfter("<Origin>supplier sheet</Origin>", foreign[10]);
    std::ofstream(m_folder.Path() / "doc.xml", std::ios::binary) << document;
    std::ofstream(m_folder.Path() / "script") << "type 1113 1.5\nok\n";

    for (const char* command :
         {"units doc.xml --unit in", "edit doc.xml 'Draft Angle' --script script"}) {
        const CommandResult result = Run(command);
        ASSERT_EQ(result.status, 0) << command << ": " << result.err;
        const std::string saved = Read("doc.xml");
        for (const std::string& part : foreign) {
            EXPECT_NE(saved.find(part), std::string::npos) << command << ": " << part;
        }
        EXPECT_EQ(saved.find("Line B"), saved.rfind("Line B")) << "the entity is never expanded";
    }
}

// A person keeping rule sets under version control sees a one-rule diff: edit writes the edited
// rule anew, in the indentation it had, and leaves every other byte, layout included, as it was.
TEST_F(DocumentFile, EditChangesOnlyTheBytesOfTheEditedRule) {
    std::string document = Read("doc.xml");
    const std::string fillet = "  <Rule Name=\"Fillet Radius\"";
    document.replace(document.find(fillet), fillet.size(),
                     "\n  <!-- after the moulding trials -->\n\t<Rule Name=\"Fillet Radius\"");
    document.replace(document.find("<Remarks></Remarks>"), 19, "<Remarks/>");
    std::ofstream(m_folder.Path() / "doc.xml", std::ios::binary) << document;
    std::ofstream(m_folder.Path() / "script") << "type 1134 0.3\nok\n";
    ASSERT_EQ(Run("edit doc.xml 'Fillet Radius' --script script").status, 0);

    const std::string saved = Read("doc.xml");
    const std::size_t start = document.find("\t<Rule Name=\"Fillet Radius\"");
    const std::size_t end = document.find("</Rule>", start) + 7;
    const std::size_t savedEnd = saved.find("</Rule>", start) + 7;
    EXPECT_EQ(saved.substr(0, start), document.substr(0, start));
    EXPECT_EQ(saved.substr(savedEnd), document.substr(end));
    EXPECT_THAT(saved.substr(start, savedEnd - start),
                HasSubstr("\t  <Parameter Name=\"\" Type=\"2142\" Status=\"1\">\n\t    "
                          "<Operator>5</Operator>"));
    EXPECT_THAT(saved.substr(start, savedEnd - start), HasSubstr("<Value>0.300000</Value>"));
}

// A document is read in the encoding it declares and saved in it: a character the encoding lacks
// becomes a character reference, so the bytes never contradict the declaration.
TEST_F(DocumentFile, ADocumentIsSavedInTheEncodingItDeclares) {
    std::string windows = m_original;
    windows.replace(windows.find("UTF-8"), 5, "windows-1252");
    windows.insert(windows.find("<RuleSet"), "<!-- r\xE9vis\xE9 -->\n");
    std::ofstream(m_folder.Path() / "doc.xml", std::ios::binary) << windows;
    {
        // Japanese descriptions hold characters windows-1252 lacks.
        const ScopedEnvironment japanese("LC_ALL", "ja_JP.UTF-8");
        ASSERT_EQ(Run("units doc.xml --unit in").status, 0);
    }
    const std::string saved = Read("doc.xml");
    EXPECT_TRUE(
        saved.starts_with("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n"
                          "<!-- r\xE9vis\xE9 -->\n"));
    EXPECT_THAT(saved, HasSubstr("&#"));
    // No UTF-8 in a windows-1252 file: not the Japanese letters, not the degree sign.
    EXPECT_EQ(saved.find('\xE3'), std::string::npos);
    EXPECT_EQ(saved.find("\xC2\xB0"), std::string::npos);
    EXPECT_EQ(Run("show doc.xml").status, 0);

    std::string utf16 = "\xFF\xFE";
    for (const char ch : m_original) {
        utf16 += ch;
        utf16 += '\0';
    }
    std::ofstream(m_folder.Path() / "wide.xml", std::ios::binary) << utf16;
    ASSERT_EQ(Run("units wide.xml --unit in").status, 0);
    const std::string wide = Read("wide.xml");
    EXPECT_TRUE(wide.starts_with("\xFF\xFE<\0?\0x\0m\0l\0"s));
    EXPECT_NE(wide.find("U\0n\0i\0t\0=\0\"\0003\0\"\0"s), std::string::npos);

    // UTF-7 is known to iconv, but it writes markup in base64, so no reader could find it again.
    for (const std::string encoding : {"x-klingon", "UTF-7"}) {
        const std::string unknown = "<?xml version=\"1.0\" encoding=\"" + encoding +
                                    "\"?><RuleSet Unit=\"0\" AngularUnit=\"0\"/>";
        std::ofstream(m_folder.Path() / "unknown.xml", std::ios::binary) << unknown;
        const CommandResult refused = Run("units unknown.xml --unit in");
        EXPECT_EQ(refused.status, 1) << encoding;
        EXPECT_THAT(refused.err, HasSubstr("unknown.xml: declares the encoding \"" + encoding +
                                           "\", which cannot be read"));
        EXPECT_EQ(Read("unknown.xml"), unknown);
    }
}

}  // namespace

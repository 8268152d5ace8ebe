#include "core/IniWriter.h"

#include "core/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vitrano {
namespace {

QByteArray Utf8(const char* text) {
    return QByteArray(text);
}

QByteArray Utf16Le(const QString& text) {
    QByteArray bytes("\xFF\xFE");
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

struct TWriteCase {
    std::string Description;
    std::optional<QByteArray> Before; // none: the file does not exist
    QString Section;
    QString Key;
    QString Value;
    QByteArray After;
};

TEST(IniWriter, WritesTheValueAndKeepsEverythingElse) {
    const QString ue = QString::fromUtf8("ü");
    const std::vector<TWriteCase> cases = {
        {"existing key replaced", Utf8("[Language]\nactive=81\n81=deutsch.txt\n"), "Language",
         "active", "44", Utf8("[Language]\nactive=44\n81=deutsch.txt\n")},
        {"section and key case differ", Utf8("[LANGUAGE]\nActive=81\n"), "language", "ACTIVE", "44",
         Utf8("[LANGUAGE]\nActive=44\n")},
        {"first occurrence replaced", Utf8("[A]\nk=1\nK=2\n[a]\nk=3\n"), "A", "k", "9",
         Utf8("[A]\nk=9\nK=2\n[a]\nk=3\n")},
        {"comments, indentation and blanks around '=' kept",
         Utf8("; head\n[A]\n; k=0\n  k = 1 ; note\n[B]\nk=1\n"), "A", "k", "9",
         Utf8("; head\n[A]\n; k=0\n  k = 9\n[B]\nk=1\n")},
        {"keys outside the section's first occurrence untouched",
         Utf8("k=1\n[A]\n[B]\nk=2\n[a]\nk=3\n"), "A", "k", "9",
         Utf8("k=1\n[A]\nk=9\n[B]\nk=2\n[a]\nk=3\n")},
        {"new key before the blank lines that end the section", Utf8("[A]\nk=1\n\n  \n[B]\nm=2\n"),
         "A", "n", "3", Utf8("[A]\nk=1\nn=3\n\n  \n[B]\nm=2\n")},
        {"new key in an empty section", Utf8("[A]\n[B]\n"), "a", "n", "3", Utf8("[A]\nn=3\n[B]\n")},
        {"new key at the end of a file without a final line end", Utf8("[A]\nk=1"), "A", "n", "3",
         Utf8("[A]\nk=1\nn=3")},
        {"new section appended", Utf8("[A]\nk=1\n"), "B", "n", "3", Utf8("[A]\nk=1\n[B]\nn=3\n")},
        {"new section after a last line without line end", Utf8("[A]\r\nk=1"), "B", "n", "3",
         Utf8("[A]\r\nk=1\r\n[B]\r\nn=3\r\n")},
        {"missing file created", std::nullopt, "Language", "active", "44",
         Utf8("[Language]\r\nactive=44\r\n")},
        {"empty file filled", Utf8(""), "A", "k", "1", Utf8("[A]\r\nk=1\r\n")},
        {"CR LF kept for new lines", Utf8("[A]\r\nk=1\r\n[B]\r\n"), "A", "n", "3",
         Utf8("[A]\r\nk=1\r\nn=3\r\n[B]\r\n")},
        {"each line keeps its own line end", Utf8("[A]\r\nk=1\nm=2\r"), "A", "k", "9",
         Utf8("[A]\r\nk=9\nm=2\r")},
        {"UTF-8 byte-order mark kept", Utf8("\xEF\xBB\xBF[A]\r\nk=1\r\n"), "A", "k", ue,
         Utf8("\xEF\xBB\xBF[A]\r\nk=\xC3\xBC\r\n")},
        {"UTF-8 without byte-order mark stays so",
         Utf8("[A]\nname=Gr\xC3\xBC\xC3\x9F"
              "e\nk=1\n"),
         "A", "k", ue,
         Utf8("[A]\nname=Gr\xC3\xBC\xC3\x9F"
              "e\nk=\xC3\xBC\n")},
        {"Windows-1252 stays so",
         Utf8("[A]\nname=Gr\xFC\xDF"
              "e\nk=1\n"),
         "A", "k", ue,
         Utf8("[A]\nname=Gr\xFC\xDF"
              "e\nk=\xFC\n")},
        {"Windows-1252 without the character becomes UTF-8 with mark",
         Utf8("[A]\nname=Gr\xFC\xDF"
              "e\n"),
         "A", "k", QString::fromUtf8("€ ł"),
         Utf8("\xEF\xBB\xBF[A]\nname=Gr\xC3\xBC\xC3\x9F"
              "e\nk=\xE2\x82\xAC \xC5\x82\n")},
        {"UTF-16 with mark stays so", Utf16Le("[A]\r\nk=1\r\n"), "A", "k", ue,
         Utf16Le(QString::fromUtf8("[A]\r\nk=ü\r\n"))},
        {"value with surrounding blanks quoted", Utf8("[A]\nk=1\n"), "A", "k", "  x ",
         Utf8("[A]\nk=\"  x \"\n")},
        {"quoted value quoted again", Utf8("[A]\nk=1\n"), "A", "k", "'x'",
         Utf8("[A]\nk=\"'x'\"\n")},
        {"empty value", Utf8("[A]\nk=1\n"), "A", "k", "", Utf8("[A]\nk=\n")},
    };
    for (const TWriteCase& c : cases) {
        SCOPED_TRACE(c.Description);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath("sprache.ini");
        if (c.Before) {
            WriteBytes(path, *c.Before);
        }

        ASSERT_TRUE(WriteIniString(path, c.Section, c.Key, c.Value));

        EXPECT_EQ(ReadBytes(path), c.After);
        EXPECT_EQ(TIniFile::Load(path).ReadString(c.Section, c.Key), c.Value);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"sprache.ini"}));
    }
}

struct TRefusedCase {
    std::string Description;
    QString Section;
    QString Key;
    QString Value;
};

TEST(IniWriter, RefusesWhatAnIniLineCannotHoldAndLeavesTheFile) {
    const std::vector<TRefusedCase> cases = {
        {"line break in the value", "A", "k", "1\n[B]"},
        {"carriage return in the key", "A", "k\rm", "1"},
        {"line break in the section", "A\nB", "k", "1"},
        {"empty key", "A", "", "1"},
        {"'=' in the key", "A", "k=m", "1"},
        {"key read as a comment", "A", ";k", "1"},
        {"']' in the section", "A]", "k", "1"},
    };
    const QByteArray before("[A]\nk=0\n");
    for (const TRefusedCase& c : cases) {
        SCOPED_TRACE(c.Description);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath("sprache.ini");
        WriteBytes(path, before);

        EXPECT_FALSE(WriteIniString(path, c.Section, c.Key, c.Value));
        EXPECT_EQ(ReadBytes(path), before);
    }
}

TEST(IniWriter, FileThatCannotBeReachedGivesFalse) {
    struct TCase {
        std::string Description;
        QString RelativePath;
        bool MakeFolder; // a folder named like the file
    };
    const std::vector<TCase> cases = {
        {"missing folder", "missing/sprache.ini", false},
        {"a folder in the file's place", "sprache.ini", true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Description);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(c.RelativePath);
        if (c.MakeFolder) {
            ASSERT_TRUE(QDir(dir.path()).mkdir(c.RelativePath));
        }

        EXPECT_FALSE(WriteIniString(path, "Language", "active", "44"));
        EXPECT_EQ(QFileInfo(path).isDir(), c.MakeFolder);
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }
}

// Root may write anywhere, so as root the writer runs in a child process that gives up root.
bool WriteWithoutRoot(const QString& path) {
    if (geteuid() != 0) {
        return WriteIniString(path, "Language", "active", "44");
    }
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t Nobody = 65534;
        if (setgid(Nobody) != 0 || setuid(Nobody) != 0) {
            _exit(2);
        }
        _exit(WriteIniString(path, "Language", "active", "44") ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        ADD_FAILURE() << "the writing process did not finish";
        return true;
    }
    EXPECT_NE(WEXITSTATUS(status), 2) << "could not give up root";
    return WEXITSTATUS(status) == 0;
}

TEST(IniWriter, UnwritableFolderGivesFalseAndLeavesTheFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("sprache.ini");
    const QByteArray before("[Language]\nactive=81\n");
    WriteBytes(path, before);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner |
                                                QFile::ReadGroup | QFile::ReadOther));
    const QFile::Permissions readOnlyFolder = QFile::ReadOwner | QFile::ExeOwner |
                                              QFile::ReadGroup | QFile::ExeGroup |
                                              QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnlyFolder));

    const bool written = WriteWithoutRoot(path);
    QFile::setPermissions(dir.path(), readOnlyFolder | QFile::WriteOwner);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"sprache.ini"}));
}

} // namespace
} // namespace vitrano

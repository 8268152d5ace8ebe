#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs the program offscreen and returns its exit code (-1 when it did not end).
int RunProgram(const QStringList& arguments, QString* errors = nullptr) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vitrano"), arguments);
    if (!program.waitForFinished(60000)) {
        return -1;
    }
    if (errors != nullptr) {
        *errors = QString::fromLocal8Bit(program.readAllStandardError());
    }
    return program.exitCode();
}

// The review screenshot runs the real program offscreen and ends without waiting for a user.
TEST(Screenshot, ProgramRendersItsMainWindowAndEnds) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    struct TCase {
        const char* Show;
        int MinimumWidth;
    };
    for (const TCase c : {TCase{"", 895}, TCase{"info", 200}, TCase{"language", 100}}) {
        SCOPED_TRACE(c.Show);
        const QString picture = folder.filePath(QStringLiteral("shot.png"));
        QStringList arguments{QStringLiteral("--screenshot"), picture};
        if (*c.Show != '\0') {
            arguments << QStringLiteral("--show") << QString::fromLatin1(c.Show);
        }
        QString errors;
        EXPECT_EQ(RunProgram(arguments, &errors), 0) << errors.toStdString();
        const QImage image(picture);
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(image.width(), c.MinimumWidth);
        QFile::remove(picture);
    }
}

TEST(Screenshot, UnwritablePictureIsAnError) {
    EXPECT_EQ(
        RunProgram({QStringLiteral("--screenshot"), QStringLiteral("/no/such/folder/shot.png")}),
        2);
}

} // namespace

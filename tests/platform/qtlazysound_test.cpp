#include "platform/qtlazysound.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vindra;

// The module is found in the second directory of the list and plays through Qt Multimedia;
// a file that is no sound gets the module's own message.
TEST(QtLazySoundPlayer, LoadsTheModuleAtTheFirstSound)
{
    QTemporaryDir empty;
    QtLazySoundPlayer player({empty.path(), QStringLiteral(VINDRA_SOUND_MODULE_DIR)});
    player.stop(); // before the first sound: nothing to stop, nothing loaded
    QFile text(empty.filePath("text.wav"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a sound at all");
    text.close();
    EXPECT_TRUE(player.play(text.fileName()).contains("WAV"));
}

// Without the module the program goes on: every play says why there is no sound.
TEST(QtLazySoundPlayer, MissingModuleGivesAMessageNotACrash)
{
    QTemporaryDir empty;
    QtLazySoundPlayer player({empty.path()});
    const QString first = player.play(QStringLiteral("a.wav"));
    EXPECT_TRUE(first.startsWith("Ljudet kan inte spelas: vindra-sound.so finns inte"))
        << first.toStdString();
    EXPECT_EQ(player.play(QStringLiteral("b.wav")), first) << "the search is not repeated";
    player.stop();
}

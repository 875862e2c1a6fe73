#include "engine/cipher.h"

#include <gtest/gtest.h>

using namespace vindra;

TEST(Cipher, KeysOfTheFirstPositions)
{
    // "#abc" with the keys 10, 9, 11, 10: "#" becomes ")", a→h, b→i, c→i.
    EXPECT_EQ(cipher::kryptrad("abc"), QByteArray(")hii"));
    EXPECT_EQ(cipher::dekryptrad(")hii"), QByteArray("abc"));
}

TEST(Cipher, LinesThatAreNeverTransformed)
{
    for (const QByteArray& line : {QByteArray(";comment"), QByteArray("$Header"),
                                   QByteArray("#plain"), QByteArray(")already")}) {
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(cipher::kryptrad(line), line);
    }
    for (const QByteArray& line :
         {QByteArray(";comment"), QByteArray("$Header"), QByteArray("house#hus")})
        EXPECT_EQ(cipher::dekryptrad(line), line);
}

TEST(Cipher, RoundTripOfEveryPrintableByteAtEveryKey)
{
    // A long line runs the keys through their whole range (they wrap at 256).
    QByteArray line = "x";
    for (int i = 0; i < 700; ++i)
        line.append(static_cast<char>(32 + (i * 7) % 224));
    const QByteArray scrambled = cipher::kryptrad(line);
    ASSERT_TRUE(cipher::isScrambled(scrambled));
    for (const char c : scrambled)
        EXPECT_GE(static_cast<unsigned char>(c), 32u) << "a scrambled line holds no control byte";
    EXPECT_EQ(cipher::dekryptrad(scrambled), line);
}

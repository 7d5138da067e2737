// The GTP program fed raw bytes through its standard input: NUL bytes, control characters,
// binary garbage, a line of a megabyte and input that ends without quit.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/support/gtp_process.h"

namespace {

class RawInput : public ::testing::Test {
 protected:
  GtpProcess program_{{ZADADA_GTP_PATH}};

  // The Black stones as list_stones gives them, to show that nothing moved.
  std::string BlackStones() { return program_.Send("list_stones black").text; }
};

TEST_F(RawInput, ControlCharactersAndNulBytesAreDropped) {
  program_.Write(std::string("1 na\0me\x01\x7f\r\n", 11));
  const GtpProcess::Response response = program_.Read();
  EXPECT_TRUE(response.ok);
  EXPECT_EQ(response.id, "1");
  EXPECT_EQ(response.text, "Zada Da");
}

TEST_F(RawInput, LinesOfOnlyControlCharactersGetNoResponse) {
  program_.Write(std::string("\0\0\x01\x02\x1b\r\n\x7f\n\t \r\n", 13));
  const GtpProcess::Response response = program_.Send("2 protocol_version");
  EXPECT_EQ(response.id, "2");
  EXPECT_EQ(response.text, "2");
}

TEST_F(RawInput, BinaryGarbageIsRefusedAndChangesNothing) {
  ASSERT_TRUE(program_.Send("play b D4").ok);
  std::mt19937 random(17);
  for (int line = 0; line < 200; ++line) {
    // Bytes 0x80 and above start the command name, so it can never be a real one.
    std::string garbage = std::to_string(line) + " \xff";
    for (int i = 0; i < 300; ++i) {
      const char byte = static_cast<char>(random() % 256);
      if (byte != '\n') garbage.push_back(byte);
    }
    program_.Write(garbage + "\n");
    const GtpProcess::Response response = program_.Read();
    EXPECT_FALSE(response.ok);
    EXPECT_EQ(response.id, std::to_string(line));
  }
  EXPECT_EQ(BlackStones(), "D4");
  EXPECT_EQ(program_.Send("list_stones white").text, "");
}

TEST_F(RawInput, AMegabyteLineIsRefusedAndTheNextCommandWorks) {
  ASSERT_TRUE(program_.Send("play b D4").ok);
  std::string line = "3 play w";
  while (line.size() < 1024 * 1024)
    line += " E5";
  program_.Write(line + "\n");
  const GtpProcess::Response response = program_.Read();
  EXPECT_FALSE(response.ok);
  EXPECT_EQ(response.id, "3");
  EXPECT_EQ(response.text, "line too long");
  EXPECT_EQ(program_.Send("4 name").text, "Zada Da");
  EXPECT_EQ(program_.Send("list_stones white").text, "");
  EXPECT_EQ(BlackStones(), "D4");
}

TEST_F(RawInput, EndOfInputWithoutQuitExitsCleanly) {
  ASSERT_TRUE(program_.Send("play b D4").ok);
  program_.Write("5 name");  // No newline: the input just stops.
  EXPECT_EQ(program_.CloseAndWait(), 0);
}

TEST_F(RawInput, QuitAnswersThenExitsCleanly) {
  const GtpProcess::Response response = program_.Send("6 quit");
  EXPECT_TRUE(response.ok);
  EXPECT_EQ(response.id, "6");
  EXPECT_EQ(program_.CloseAndWait(), 0);
}

TEST_F(RawInput, CommandsAfterQuitAreNotRead) {
  program_.Write("quit\nplay b D4\n");
  EXPECT_TRUE(program_.Read().ok);
  EXPECT_EQ(program_.CloseAndWait(), 0);
}

}  // namespace

#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <ostream>
#include <string>

#include "platform/process/DescriptorOutput.h"

namespace moid::process {
namespace {

struct Pipe {
  int read = -1, write = -1;
  Pipe() {
    int ends[2];
    if (::pipe(ends) == 0) {
      read = ends[0];
      write = ends[1];
    }
  }
  ~Pipe() {
    if (read >= 0) ::close(read);
  }
  std::string Drain() {
    std::string text;
    char chunk[256];
    for (ssize_t n; (n = ::read(read, chunk, sizeof chunk)) > 0;) text.append(chunk, static_cast<std::size_t>(n));
    return text;
  }
};

TEST(DescriptorOutput, HandsEverythingOnAndClosesTheDescriptor) {
  Pipe pipe;
  ASSERT_GE(pipe.write, 0);
  DescriptorOutput buffer(pipe.write);
  std::ostream out(&buffer);
  out << "first line\n";
  EXPECT_TRUE(buffer.Close());
  EXPECT_TRUE(buffer.Close());  // the same answer again
  EXPECT_EQ(pipe.Drain(), "first line\n");  // end of file: the write end is closed
  EXPECT_EQ(buffer.Failure().kind, WriteFailureKind::None);
}

TEST(DescriptorOutput, AClosedPipeIsAReaderGoneAway) {
  IgnoreBrokenPipeSignal();
  Pipe pipe;
  ASSERT_GE(pipe.write, 0);
  ::close(pipe.read);
  pipe.read = -1;
  DescriptorOutput buffer(pipe.write);
  std::ostream out(&buffer);
  out << "row\n" << std::flush;
  EXPECT_FALSE(out.good());
  EXPECT_EQ(buffer.Failure().kind, WriteFailureKind::ReaderGone);
  out.clear();
  out << "more" << std::flush;  // nothing further is accepted
  EXPECT_FALSE(out.good());
  EXPECT_FALSE(buffer.Close());
}

TEST(DescriptorOutput, AFullDeviceIsAFailureWithTheSystemsReason) {
  const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  if (fd < 0) GTEST_SKIP() << "no /dev/full here";
  DescriptorOutput buffer(fd);
  std::ostream out(&buffer);
  out << "index\tname\n";
  EXPECT_TRUE(out.good());  // still in the buffer
  EXPECT_FALSE(buffer.Close());
  EXPECT_EQ(buffer.Failure().kind, WriteFailureKind::Failed);
  EXPECT_EQ(buffer.Failure().reason, "No space left on device");
}

TEST(DescriptorOutput, LargeWritesPassThroughTheBufferInOrder) {
  Pipe pipe;
  ASSERT_GE(pipe.write, 0);
  ASSERT_EQ(::fcntl(pipe.read, F_SETFL, O_NONBLOCK), 0);
  // More than the 64 kB buffer, less than the enlarged pipe: nobody needs to read meanwhile.
  if (::fcntl(pipe.write, F_SETPIPE_SZ, 1 << 18) < (1 << 18)) GTEST_SKIP() << "small pipes";
  std::string text;
  for (int i = 0; i < 30000; ++i) text += std::to_string(i) + ',';  // about 170 kB
  DescriptorOutput buffer(pipe.write);
  std::ostream out(&buffer);
  for (char c : text.substr(0, 100)) out.put(c);  // byte by byte, then in one piece
  out << text.substr(100);
  EXPECT_TRUE(buffer.Close());
  EXPECT_EQ(pipe.Drain(), text);
}

}  // namespace
}  // namespace moid::process

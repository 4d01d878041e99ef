// The line store against the plain model of its text (one string, searched
// for its line breaks), edit by edit, on texts that span many chunks.
#include "ui/line_store.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

namespace peruka {
namespace {

// The plain model: the text as one string with CR LF between lines.
struct PlainText {
  std::string text;

  std::vector<std::size_t> Starts() const {
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
      if (text[i] == '\r' && text[i + 1] == '\n') starts.push_back(i + 2);
    return starts;
  }
  void Replace(std::size_t from, std::size_t length, std::string_view with) {
    from = std::min(from, text.size());
    std::size_t to = from + std::min(length, text.size() - from);
    // An end between CR and LF stands before the break: the store edits
    // whole lines.
    const auto inBreak = [&](std::size_t at) {
      return at > 0 && at < text.size() && text[at - 1] == '\r' && text[at] == '\n';
    };
    if (inBreak(from)) --from;
    if (inBreak(to)) --to;
    to = std::max(to, from);
    std::string normal;
    for (std::size_t i = 0; i < with.size(); ++i) {
      if (with[i] == '\r' || with[i] == '\n') {
        normal += "\r\n";
        if (with[i] == '\r' && i + 1 < with.size() && with[i + 1] == '\n') ++i;
      } else {
        normal += with[i];
      }
    }
    text.replace(from, to - from, normal);
  }
};

void ExpectSame(const LineStore& store, const PlainText& plain) {
  ASSERT_EQ(store.Text(), plain.text);
  const std::vector<std::size_t> starts = plain.Starts();
  ASSERT_EQ(store.LineCount(), static_cast<int>(starts.size()));
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t end = i + 1 < starts.size() ? starts[i + 1] - 2 : plain.text.size();
    ASSERT_EQ(store.LineIndex(static_cast<int>(i)), static_cast<int>(starts[i])) << i;
    ASSERT_EQ(store.LineLength(static_cast<int>(starts[i])), static_cast<int>(end - starts[i])) << i;
    ASSERT_EQ(store.Line(static_cast<int>(i)), plain.text.substr(starts[i], end - starts[i])) << i;
    ASSERT_EQ(store.LineAt(end), i) << i;
  }
}

TEST(LineStore, EveryEditLeavesTheTextOfThePlainModel) {
  std::mt19937 random(20261208);
  const auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(random); };
  const char* pieces[] = {"1.5", "\r\n", "\r", "\n", "", "-2", "\x82\x50", "x\r\ny\r\nz", "\r\n\r\n"};
  LineStore store;
  PlainText plain;
  // A text of some thousand lines, to span several chunks.
  std::string start;
  for (int i = 0; i < 3000; ++i) start += std::to_string(i * 7 % 1000) + "\r\n";
  store.SetText(start);
  plain.text = start;
  ExpectSame(store, plain);
  for (int step = 0; step < 400; ++step) {
    SCOPED_TRACE(step);
    const std::size_t size = plain.text.size();
    const std::size_t from = pick(size);
    // Mostly short edits, now and then one across many lines.
    const std::size_t length = step % 50 == 0 ? pick(size - from) : std::min(pick(6), size - from);
    std::string with = pieces[pick(8)];
    if (step % 40 == 0)
      for (int i = 0; i < 1500; ++i) with += std::to_string(i) + "\r\n";
    store.Replace(static_cast<int>(from), static_cast<int>(length), with);
    plain.Replace(from, length, with);
    if (step % 20 == 0) {
      ExpectSame(store, plain);
    } else {
      ASSERT_EQ(store.Text(), plain.text);
    }
    if (::testing::Test::HasFatalFailure()) return;
  }
  ExpectSame(store, plain);
}

TEST(LineStore, LinesAppendedOneByOne) {
  LineStore store;
  for (int i = 0; i < 100000; ++i) {
    const int end = static_cast<int>(store.Size());
    store.Replace(end, 0, i == 0 ? std::string("0") : "\r\n" + std::to_string(i));
  }
  EXPECT_EQ(store.LineCount(), 100000);
  EXPECT_EQ(store.Line(99999), "99999");
  EXPECT_EQ(store.Line(12345), "12345");
  EXPECT_EQ(store.LineAt(store.Size()), 99999u);
  EXPECT_EQ(store.LineIndex(12345),
            static_cast<int>(store.Between(0, store.Size()).find("\r\n12345\r\n") + 2));
}

}  // namespace
}  // namespace peruka

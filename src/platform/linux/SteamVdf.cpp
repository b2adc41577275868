#include "platform/linux/SteamVdf.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int kMaxDepth = 32;

enum class Kind { Text, Open, Close, End, Broken };

struct Token {
  Kind kind;
  std::string text;
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v'; }

class Tokenizer {
 public:
  explicit Tokenizer(std::string_view text) : text_(text) {}

  Token Next() {
    SkipSpacesCommentsAndConditions();
    if (pos_ == text_.size()) return {Kind::End, {}};
    const char c = text_[pos_];
    if (c == '{' || c == '}') {
      ++pos_;
      return {c == '{' ? Kind::Open : Kind::Close, {}};
    }
    return c == '"' ? Quoted() : Bare();
  }

 private:
  void SkipSpacesCommentsAndConditions() {
    for (;;) {
      while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
      const std::string_view rest = text_.substr(pos_);
      if (rest.starts_with("//")) {
        pos_ = std::min(text_.find('\n', pos_), text_.size());
      } else if (rest.starts_with('[')) {
        pos_ = std::min(text_.find(']', pos_), text_.size() - 1) + 1;
      } else {
        return;
      }
    }
  }

  Token Quoted() {
    std::string text;
    for (++pos_; pos_ < text_.size();) {
      char c = text_[pos_++];
      if (c == '"') return {Kind::Text, std::move(text)};
      if (c == '\\' && pos_ < text_.size()) {
        c = text_[pos_++];
        c = c == 'n' ? '\n' : c == 't' ? '\t' : c;
      }
      text += c;
    }
    return {Kind::Broken, {}};
  }

  Token Bare() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_[pos_] != '"' &&
           text_[pos_] != '{' && text_[pos_] != '}') {
      ++pos_;
    }
    return {Kind::Text, std::string(text_.substr(start, pos_ - start))};
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// The entries up to the brace that closes the block (depth > 0) or the end
// of the text (depth 0).
bool ParseEntries(Tokenizer& tokens, int depth, std::vector<VdfEntry>& entries) {
  for (;;) {
    Token key = tokens.Next();
    if (key.kind == Kind::End || key.kind == Kind::Close) {
      return (key.kind == Kind::End) == (depth == 0);
    }
    if (key.kind != Kind::Text) return false;
    Token value = tokens.Next();
    VdfEntry entry{std::move(key.text), {}, {}};
    if (value.kind == Kind::Text) {
      entry.value = std::move(value.text);
    } else if (value.kind != Kind::Open || depth == kMaxDepth ||
               !ParseEntries(tokens, depth + 1, entry.entries)) {
      return false;
    }
    entries.push_back(std::move(entry));
  }
}

}  // namespace

std::optional<std::vector<VdfEntry>> ParseVdf(std::string_view text) {
  Tokenizer tokens(text);
  std::vector<VdfEntry> entries;
  if (!ParseEntries(tokens, 0, entries)) return std::nullopt;
  return entries;
}

}  // namespace platform

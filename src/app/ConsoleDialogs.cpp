#include "app/ConsoleDialogs.h"

#include <iostream>

namespace kvpm {

int ConsoleDialogs::ShowMessage(const std::string& text, Buttons buttons) {
  std::string lines = text;
  for (std::size_t pos; (pos = lines.find("\r\n")) != std::string::npos;) lines.erase(pos, 1);
  std::cerr << lines << std::endl;
  return buttons == Buttons::Ok ? AnswerOk : AnswerCancel;
}

std::optional<PrefixAnswer> ConsoleDialogs::ChoosePrefix(const std::vector<PrefixOffer>& offers) {
  std::cerr << "Several Wine prefixes hold the game; name one with --prefix:\n";
  for (const PrefixOffer& offer : offers) {
    std::cerr << "  " << offer.folder << " (" << offer.launcher << ", " << offer.gameFolder
              << ")\n";
  }
  return std::nullopt;
}

}  // namespace kvpm

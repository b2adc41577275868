#include "app/PrefixListing.h"

#include <iostream>

#include "app/CommandLine.h"
#include "app/PrefixChoice.h"

namespace kvpm {

int ListPrefixesFromCommandLine() {
  for (const FoundPrefix& found : SearchLauncherPrefixes()) {
    std::cout << found.offer.launcher << '\t' << found.offer.folder << '\t'
              << found.offer.gameFolder << '\n';
  }
  return std::cout.flush() ? kExitDone : kExitFailed;
}

}  // namespace kvpm

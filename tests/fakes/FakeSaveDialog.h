#pragma once

#include <string>
#include <vector>

#include "platform/SaveDialog.h"

namespace plumbrule::testing {

// Answers every save dialog at once with `answer` ("" = Cancel) and records
// what was asked.
class FakeSaveDialog : public SaveDialog {
  public:
    std::string askFileName(const Request& request) override {
        asked.push_back(request);
        return answer;
    }

    std::string answer;
    std::vector<Request> asked;
};

}  // namespace plumbrule::testing

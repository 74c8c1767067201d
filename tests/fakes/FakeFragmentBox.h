#pragma once

#include "target/TargetActivation.h"

#include <string>
#include <vector>

namespace rukcon::test {

// The caption fragment box as plain members: the fragment, and the list of running programs.
class FakeFragmentBox : public target::CaptionFragmentBox {
public:
    std::string text;
    std::vector<std::string> list{"stale entry"};
    std::string fragment() const override { return text; }
    void setFragment(const std::string& t) override { text = t; }
    void clearList() override { list.clear(); }
    void appendListItem(const std::string& caption) override { list.push_back(caption); }
};

} // namespace rukcon::test

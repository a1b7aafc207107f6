// The keys of the main window by subject, for a bookkeeper who does not know
// the exact key: the subjects in menu order, each with its keys in the order
// of the rule table.
#pragma once

#include <string_view>
#include <vector>

namespace bk::lookup {

struct Subject {
    std::string_view name;
    std::vector<std::string_view> keys;
};

const std::vector<Subject>& browseSubjects();

}  // namespace bk::lookup

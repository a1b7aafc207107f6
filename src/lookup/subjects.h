// The keys of the main window by subject, for a bookkeeper who does not know
// the exact key: the subjects in menu order, each with its keys in the order
// of the rule table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bk::lookup {

// One entry of a subject's menu: a key, or several keys that do exactly the
// same (print the same lines, open the same windows), shown once as
// "产品毁损（产品毁坏、产品损坏）". Choosing it puts its first key in the box.
struct BrowseItem {
    std::string label;
    std::vector<std::string_view> keys;  // the key chosen first, then the others in table order
};

struct Subject {
    std::string_view name;
    std::vector<std::string_view> keys;  // every key of the subject, in table order
    std::vector<BrowseItem> items;       // the menu: keys that do the same merged into one item
};

const std::vector<Subject>& browseSubjects();

}  // namespace bk::lookup

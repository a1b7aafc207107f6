// Journal entries of business events: rules 49 to 346 of the table.
#include "lookup/lookup_table.h"

namespace bk::lookup {

RuleBlock journalRules() { return {49, {}}; }

}  // namespace bk::lookup

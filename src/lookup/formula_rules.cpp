// Statement-line fill-in formulas: rules 0 to 47 of the table.
#include "lookup/lookup_table.h"

namespace bk::lookup {

RuleBlock formulaRules() { return {0, {}}; }

}  // namespace bk::lookup

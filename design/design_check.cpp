#include "design/design_check.h"

#include <limits>

DesignCheck BeginCheck(DesignCaseKind kind) {
    DesignCheck c;
    c.kind = kind;
    const double none = std::numeric_limits<double>::quiet_NaN();
    c.q = DesignQuantities{none, none, none, none, none, none, none, none, none, none, none,
                           none, none, none, none, none, none, none, none, none, none, none,
                           none, none, none, none};
    return c;
}

const Criterion* DesignCheck::Find(CriterionId id) const {
    for (const Criterion& c : *this) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

void AddCriterion(DesignCheck& check, CriterionId id, double value, double limit, Clause clause) {
    check.criteria[check.count++] = Criterion{id, value, limit, value / limit, clause};
}

void Conclude(DesignCheck& check) {
    check.governing = 0;
    check.ratio = check.criteria[0].ratio;
    for (int k = 1; k < check.count; ++k) {
        const double r = check.criteria[k].ratio;
        if (r > check.ratio || (r != r && check.ratio == check.ratio)) {
            check.ratio = r;
            check.governing = k;
        }
    }
    check.ok = check.ratio <= 1.0;
}

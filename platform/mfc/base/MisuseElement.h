// The defined result of a collection accessor that was misused (an index out of range, an empty
// list, a null POSITION): a reference to a default-constructed element of the type, kept in one
// static per type and reset on every such call, so that nothing written through an earlier bad
// access shows up later.
#pragma once

namespace qelt {

template <class TYPE>
TYPE& MisuseElement() {
    static TYPE element{};
    element = TYPE{};
    return element;
}

}  // namespace qelt

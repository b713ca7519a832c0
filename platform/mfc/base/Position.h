// POSITION: the opaque cursor that lists and maps hand out for walking their elements. It stays
// valid until the element it designates is removed or its container is emptied or destroyed.
#pragma once

namespace qelt {
struct PositionTag;
}

typedef qelt::PositionTag* POSITION;

#include "slab/rect/SlabRecords.h"

SlabTableNotes& GetSlabTableNotes() {
    static SlabTableNotes notes = {};
    return notes;
}

// The server's reading of its records: the slab model and the settings as the plate engine's slab,
// mesh options and design settings.
#pragma once

#include "fea/SlabDesign.h"
#include "plateserver/interface/PlateRecords.h"

struct ServerInput {
    qelt::fea::Slab slab;
    qelt::fea::MeshOptions mesh;
    qelt::fea::DesignSettings design;
    int contourCount = 10;
};

enum class InputStatus { Ready, NoOutline, BadSettings };

// DISP_E_TYPEMISMATCH for a record of the wrong shape; otherwise S_OK with the status: a slab
// without an outline (of two vertices at least: a circle has two), with a grade the tables do not hold or with a setting that
// is not a number, is not analysed.
HRESULT ReadServerInput(const VARIANT& model, const VARIANT& settings, ServerInput& input, InputStatus& status);
// The design settings of a settings record alone (for a crack width).
HRESULT ReadDesignSettings(const VARIANT& settings, qelt::fea::DesignSettings& design, InputStatus& status);

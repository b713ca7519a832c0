// The records of the plate server's type library (version 1.0): plain structs in the order of their
// fields. A point, a polyline, the settings and the model travel as one-element record arrays in a
// VARIANT, lists as record arrays, plain lists as VT_I4 or VT_R8 arrays, texts as BSTRs.
#pragma once

#include <cstdint>

#include "com/Variant.h"

extern const GUID LIBID_PlateServer;
extern const GUID GUID_PointRecord;
extern const GUID GUID_MassLoadRecord;
extern const GUID GUID_ResultPointRecord;
extern const GUID GUID_ResultLineRecord;
extern const GUID GUID_ResultTextRecord;
extern const GUID GUID_PolylineRecord;
extern const GUID GUID_SettingRecord;
extern const GUID GUID_ModelRecord;
extern const GUID GUID_ResultRecord;

struct PointRecord {
    double x, y, z;
};

struct MassLoadRecord {
    VARIANT point;
    std::int32_t loadType;
    double loadVal;
};

struct ResultPointRecord {
    VARIANT point;
    double size;
    std::int32_t color;
};

struct ResultLineRecord {
    VARIANT start;
    VARIANT end;
    std::int32_t color;
    std::int32_t kind;
};

struct ResultTextRecord {
    BSTR text;
    double height;
    std::int32_t color;
    VARIANT first;
    VARIANT second;
    std::int32_t firstOption;
    std::int32_t textMode;
    std::int32_t picture;
};

struct PolylineRecord {
    VARIANT points;     // PointRecord array
    VARIANT bulges;     // doubles
    VARIANT dis;        // doubles: lengths along the edge
    VARIANT lineDis;    // doubles: chords
    VARIANT lineTypes;  // ints
    VARIANT hasColu;    // ints
    VARIANT loadVals;   // doubles
    std::int32_t boardType;
    std::int32_t loadType;
    BSTR xorY;
    double bottomDis;
    double loadWidth;
    VARIANT ptLeft;
    VARIANT ptRight;
    std::int32_t isClosed;
    std::int32_t holeSupport;
};

struct SettingRecord {
    double everLoadCoef;
    double actLoadCoef;
    double preEverCoef;
    double importCoef;
    double protectWidth;
    BSTR boardGrade;
    BSTR reinGrade;
    double plusReinCoef;
    double minusReinCoef;
    double reinMinDia;
    double reinMaxDis;
    double coluReinMinRate;
    BSTR coluReinType;
    double resultantForce;
    double crackWidth;
    double naoDu;
    double loadZuHe;
    double plusWanJu;
    double minusWanJu;
    std::int32_t pouFenXianType;
    double boxLength;
    double reinDir;
    std::int32_t cloudNum;
    double boardWidth;
    double everLoadVal;
    double actLoadVal;
};

struct ModelRecord {
    VARIANT boardPoly;  // one PolylineRecord
    VARIANT holes;
    VARIANT massLoads;
    VARIANT partLoads;
    VARIANT lineLoads;
    VARIANT trapLoads;
    std::int32_t hasBoard;
    VARIANT workPoly;   // one PolylineRecord
    VARIANT resultPoints;
    VARIANT resultLines;
    VARIANT resultTexts;
};

struct ResultRecord {
    double moment;
    double calArea;
    double realArea;
    double diameter;
    double space;
    std::int32_t flag;
    double deflection;
    double crack;
    std::int32_t rowId;
    std::int32_t corner;  // the outline vertex of a re-entrant corner's row; -1 for the others
};

// A variant holding one PointRecord; it is cleared first.
HRESULT PointToRecordVariant(double x, double y, double z, VARIANT& v);

// Registers the library's record descriptions (again is harmless), as installing the server does.
void RegisterPlateRecordTypes();

#pragma once

#include "model/AngleLoadClass.h"
#include "model/HarmonicLoadClass.h"
#include "model/HarmonicNodeLoadClass.h"
#include "model/HarmonicRingClass.h"
#include "model/HingesClass.h"
#include "model/HopperLoadClass.h"
#include "model/MatClass.h"
#include "model/NodeClass.h"
#include "model/NodeLoadClass.h"
#include "model/PointLoadClass.h"
#include "model/RingClass.h"
#include "model/ShellClass.h"
#include "model/ShellLoadClass.h"
#include "model/SiloLoadClass.h"
#include "model/SiloPatchClass.h"
#include "model/SnowLoadClass.h"
#include "model/SupportVClass.h"
#include "model/TempLoadClass.h"
#include "model/WaterLoadClass.h"
#include "model/WindCoefficientClass.h"
#include "model/WindLoadClass.h"
#include "model/ZwvClass.h"

#include <array>

namespace venkar {

class DocumentObserver;

// The whole input: the tables of the system, the tables of the load case,
// the harmonic count and the self-weight switch. The program keeps one; every test
// builds its own.
//
// An ordinary value: a copy holds the same records and row states and is
// independent of the original (undo history, recovery copies, a calculation
// on a snapshot). The grids and the observer are bound to the tables of one
// Model object and are neither copied nor replaced by an assignment.
class Model {
public:
    Model();

    // The system, in file and report order.
    NodeClass nodes;
    ShellClass shells;
    MatClass materials;
    HingesClass hinges;
    RingClass rings;
    // Only loads around the circumference use these.
    SupportVClass circumferentialSupports;
    HarmonicRingClass harmonicRings;

    // The load case, in file and report order.
    NodeLoadClass nodeLoads;
    ShellLoadClass shellLoads;
    PointLoadClass pointLoads;
    ZwvClass constraintLoads;
    WaterLoadClass waterLoads;
    SnowLoadClass snowLoads;
    TempLoadClass tempLoads;
    // Loads around the circumference.
    WindLoadClass windLoads;
    WindCoefficientClass windCoefficients;
    HarmonicLoadClass harmonicLoads;
    HarmonicNodeLoadClass harmonicNodeLoads;
    AngleLoadClass angleLoads;
    // The stored solid of silos.
    SiloLoadClass siloLoads;
    HopperLoadClass hopperLoads;
    SiloPatchClass siloPatches;

    // The harmonics a force at one place of the circumference is expanded
    // into ("HARMONICS"); 0 when not set (then defaultHarmonicCount).
    int harmonicCount() const { return harmonicCount_; }
    // A change counts as a change of the load case.
    void setHarmonicCount(int count);
    static constexpr int defaultHarmonicCount = 40;
    static constexpr int maxHarmonicCount = 400;

    // True when the load case has a load around the circumference: the
    // calculation then sums harmonics.
    bool hasHarmonicLoads() const;

    // True when the load case includes self weight ("EIGENGEWICHT").
    bool selfWeight() const { return selfWeight_; }
    // A change counts as a change of the load case.
    void setSelfWeight(bool on);

    std::array<InputContainer*, 7> systemTables();
    std::array<InputContainer*, 15> loadTables();
    std::array<const InputContainer*, 7> systemTables() const;
    std::array<const InputContainer*, 15> loadTables() const;

    // Tells `observer` (not owned; may be null) of every user change.
    void setObserver(DocumentObserver* observer);
    // Asks every grid showing a table to store its pending cell edit.
    void storePendingEdits();

    // Empty the tables of one document; the self-weight switch and the
    // harmonic count keep their values.
    void clearSystem();
    void clearLoad();

private:
    bool selfWeight_ = false;
    int harmonicCount_ = 0;
};

} // namespace venkar

#pragma once

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
#include "model/SnowLoadClass.h"
#include "model/TempLoadClass.h"
#include "model/WaterLoadClass.h"
#include "model/ZwvClass.h"

#include <array>

namespace venkar {

class DocumentObserver;

// The whole input: the five tables of the system, the seven tables of the
// load case and the self-weight switch. The program keeps one; every test
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

    // The load case, in file and report order.
    NodeLoadClass nodeLoads;
    ShellLoadClass shellLoads;
    PointLoadClass pointLoads;
    ZwvClass constraintLoads;
    WaterLoadClass waterLoads;
    SnowLoadClass snowLoads;
    TempLoadClass tempLoads;
    SiloLoadClass siloLoads;
    HopperLoadClass hopperLoads;

    // True when the load case includes self weight ("EIGENGEWICHT").
    bool selfWeight() const { return selfWeight_; }
    // A change counts as a change of the load case.
    void setSelfWeight(bool on);

    std::array<InputContainer*, 5> systemTables();
    std::array<InputContainer*, 7> loadTables();
    std::array<const InputContainer*, 5> systemTables() const;
    std::array<const InputContainer*, 7> loadTables() const;

    // Tells `observer` (not owned; may be null) of every user change.
    void setObserver(DocumentObserver* observer);
    // Asks every grid showing a table to store its pending cell edit.
    void storePendingEdits();

    // Empty the tables of one document; the self-weight switch keeps its value.
    void clearSystem();
    void clearLoad();

private:
    bool selfWeight_ = false;
};

} // namespace venkar

#pragma once

#include "DataFolder.h"
#include "ElementTable.h"

#include <QWidget>

// The main window: the periodic table. It owns the element table for the life of the program,
// loading it when it is created and writing it back each time it is closed.
class TAGlowne : public QWidget {
    Q_OBJECT
public:
    static constexpr int BasicWidth = 639;

    explicit TAGlowne(DataFolder folder);

    // Creation handler: the basic view's width, then the element table.
    void FormCreate();
    // Close handler: writes the table back; a failure keeps the window open.
    void FormClose();

    const ElementTable& Elements() const { return ElementTable_; }
    const DataFolder& Folder() const { return folder_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    DataFolder folder_;
    ElementTable ElementTable_;
};

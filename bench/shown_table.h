#pragma once

#include "document/document.h"

#include <QTemporaryDir>
#include <memory>

namespace cuefold {
class TForm1;
class TFormTable;
struct EditorContext;
} // namespace cuefold

namespace cuefold::bench {

// A main window past its start-up tick, holding `doc`, with the overview
// window shown and filled, as a user with the grid open sees it.
class ShownTable {
public:
    explicit ShownTable(const Document &doc);
    ~ShownTable();

    TFormTable *table() const;
    EditorContext &context() const;

private:
    QTemporaryDir mDir;
    std::unique_ptr<TForm1> mForm;
};

} // namespace cuefold::bench

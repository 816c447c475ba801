#pragma once

#include "platform/db/RowBatch.h"

#include <QStringList>

namespace kelvo::presentation {

// Where the rows of a run go, batch by batch: a file format. A sink holds no
// more than a batch's worth of rows, so writing does not grow with them.
class RowSink {
public:
    virtual ~RowSink() = default;
    virtual void writeHeadings(const QStringList& headings) = 0;
    virtual void writeBatch(const db::RowBatch& batch) = 0;
    // Completes the output; throws std::runtime_error when it cannot be written.
    virtual void finish() = 0;
};

} // namespace kelvo::presentation

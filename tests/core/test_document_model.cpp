#include "document/document_model.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace cuefold;

// Rows touched inside (nested) batches reach the listeners once, as the span
// of all of them, when the outermost batch closes; outside a batch at once.
TEST(DocumentModel, RowBatchesAnnounceOneSpan)
{
    DocumentModel model;
    std::vector<std::pair<int, int>> told;
    QObject::connect(&model, &DocumentModel::rowsChanged, [&](int first, int last) { told.emplace_back(first, last); });
    {
        const DocumentModel::RowBatch outer(model);
        model.touchRow(40);
        {
            const DocumentModel::RowBatch inner(model);
            model.touchRows(7, 9);
        }
        EXPECT_TRUE(told.empty());
        model.touchRow(12);
    }
    {
        const DocumentModel::RowBatch untouched(model);
    }
    model.touchRow(3);
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{7, 40}, {3, 3}}));
}

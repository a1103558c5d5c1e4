#pragma once
// The depth objects read back as the records a project file stores: exactly,
// or with the selection left out and the ids replaced by list positions
// (renumbering relabels objects without changing them), and a comparison
// that names the first object that differs.
#include "depthmap/depth_objects.h"
#include "depthmap/tool_dm_group.h"
#include "stream/project_stream_writer.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace lumora::testing_support {

using Records = std::vector<std::vector<uint8_t>>;

inline std::vector<uint8_t> RecordOf(const Tool_dm& object)
{
    ProjectStreamWriter writer;
    writer.WriteInt32(object.Kind);
    object.SaveToStream(writer);
    return writer.TakeData();
}

// Every object as the project file stores it, in list order.
inline Records ExactRecords(const DepthObjects& objects)
{
    Records records;
    for (const auto& object : objects.Items())
        records.push_back(RecordOf(*object));
    return records;
}

// The same with Selected cleared and every id (own, parent, members)
// replaced by the object's list position + 1.
inline Records CanonicalRecords(const DepthObjects& objects)
{
    std::unordered_map<int32_t, int32_t> position;
    for (int32_t i = 0; i < objects.Count(); ++i)
        position.try_emplace(objects.At(i)->Id, i + 1);
    const auto relabel = [&](int32_t id) {
        const auto it = position.find(id);
        return it == position.end() ? -1000 - id : it->second;
    };
    Records records;
    for (const auto& object : objects.Items()) {
        auto copy = object->Clone(relabel(object->Id));
        copy->Selected = false;
        if (copy->ParentId != -1)
            copy->ParentId = relabel(copy->ParentId);
        if (auto* group = dynamic_cast<Tool_dm_Group*>(copy.get())) {
            QStringList members;
            for (int32_t id : group->MemberIds())
                members.append(QString::number(relabel(id)));
            group->Members = members;
        }
        records.push_back(RecordOf(*copy));
    }
    return records;
}

// Equal lists of records; otherwise which object differs first.
inline testing::AssertionResult SameRecords(const Records& actual, const Records& expected)
{
    if (actual == expected)
        return testing::AssertionSuccess();
    if (actual.size() != expected.size())
        return testing::AssertionFailure()
               << actual.size() << " objects where " << expected.size() << " were expected";
    for (size_t i = 0; i < actual.size(); ++i) {
        if (actual[i] != expected[i])
            return testing::AssertionFailure() << "the record at index " << i << " differs";
    }
    return testing::AssertionFailure();
}

} // namespace lumora::testing_support

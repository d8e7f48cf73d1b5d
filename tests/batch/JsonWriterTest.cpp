#include "batch/JsonWriter.h"

#include <gtest/gtest.h>

#include <limits>

using namespace venkar;

TEST(JsonWriter, NestsObjectsAndArraysWithCommasAndFullPrecision) {
    JsonWriter json;
    json.beginObject();
    json.field("name", "Kuppel \"1\"\n");
    json.key("values");
    json.beginArray();
    json.value(0.1);
    json.value(-3);
    json.value(std::numeric_limits<double>::quiet_NaN());
    json.endArray();
    json.key("empty");
    json.beginObject();
    json.endObject();
    json.endObject();
    EXPECT_EQ(json.text(), "{\n"
                           "  \"name\": \"Kuppel \\\"1\\\"\\n\",\n"
                           "  \"values\": [\n"
                           "    0.10000000000000001,\n"
                           "    -3,\n"
                           "    null\n"
                           "  ],\n"
                           "  \"empty\": {}\n"
                           "}\n");
}

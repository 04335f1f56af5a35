// The JSON writer places every comma, escapes every string and never writes
// a number JSON cannot read.
#include "io/json_writer.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(JsonWriter, NestedContainersGetTheirCommasAndNonFiniteNumbersAreNull) {
  curvix::JsonWriter json;
  json.begin_object().key("a").begin_array().integer(1).begin_object().key("b").null();
  json.end_object().begin_array().end_array().end_array();
  json.key("c").boolean(true).key("d").numbers({0.1, std::numeric_limits<double>::infinity()});
  json.key("e").string("tab\there \"q\" \\").end_object();
  EXPECT_EQ(json.text(),
            "{\"a\":[1,{\"b\":null},[]],\"c\":true,\"d\":[0.1,null],"
            "\"e\":\"tab\\u0009here \\\"q\\\" \\\\\"}");
}

}  // namespace

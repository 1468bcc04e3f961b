#include "tests/check/JsonSchemaSubset.h"

#include <fmt/format.h>

#include <algorithm>
#include <set>

namespace {

using Json = nlohmann::json;

const std::set<std::string> kAnnotations{"$schema", "$id", "title", "description", "$defs"};
const std::set<std::string> kKeywords{
    "type",  "const",    "enum",     "properties", "required", "additionalProperties",
    "items", "minItems", "maxItems", "minimum",    "oneOf",    "$ref"};

bool HasType(const Json& value, const std::string& type) {
    if (type == "object")
        return value.is_object();
    if (type == "array")
        return value.is_array();
    if (type == "string")
        return value.is_string();
    if (type == "boolean")
        return value.is_boolean();
    if (type == "integer")
        return value.is_number_integer();
    if (type == "number")
        return value.is_number();
    return false;
}

class Validator {
public:
    explicit Validator(const Json& root) : m_root(root) {}

    void Check(const Json& schema, const Json& value, const std::string& at) {
        for (const auto& [keyword, argument] : schema.items()) {
            if (!kAnnotations.contains(keyword) && !kKeywords.contains(keyword)) {
                Problem(at, "the schema uses " + keyword + ", which this check does not know");
            }
        }
        if (schema.contains("$ref")) {
            const std::string ref = schema["$ref"];
            const std::string prefix = "#/$defs/";
            if (ref.rfind(prefix, 0) != 0 || !m_root["$defs"].contains(ref.substr(prefix.size()))) {
                Problem(at, "unknown reference " + ref);
            } else {
                Check(m_root["$defs"][ref.substr(prefix.size())], value, at);
            }
        }
        if (schema.contains("type") && !HasType(value, schema["type"])) {
            Problem(at, fmt::format("{} is not of type {}", value.dump(),
                                    schema["type"].get<std::string>()));
        }
        if (schema.contains("const") && value != schema["const"]) {
            Problem(at, value.dump() + " is not " + schema["const"].dump());
        }
        if (schema.contains("enum") &&
            std::ranges::find(schema["enum"], value) == schema["enum"].end()) {
            Problem(at, value.dump() + " is none of " + schema["enum"].dump());
        }
        if (schema.contains("minimum") && value.is_number() && value < schema["minimum"]) {
            Problem(at, value.dump() + " is below " + schema["minimum"].dump());
        }
        if (schema.contains("oneOf")) {
            CheckOneOf(schema["oneOf"], value, at);
        }
        if (value.is_object()) {
            CheckObject(schema, value, at);
        }
        if (value.is_array()) {
            CheckArray(schema, value, at);
        }
    }

    std::vector<std::string> Problems() && { return std::move(m_problems); }

private:
    void Problem(const std::string& at, const std::string& what) {
        m_problems.push_back((at.empty() ? "/" : at) + ": " + what);
    }

    void CheckOneOf(const Json& choices, const Json& value, const std::string& at) {
        int matching = 0;
        for (const Json& choice : choices) {
            Validator alone(m_root);
            alone.Check(choice, value, at);
            matching += alone.m_problems.empty() ? 1 : 0;
        }
        if (matching != 1) {
            Problem(at, fmt::format("matches {} of the schemas of oneOf, not one", matching));
        }
    }

    void CheckObject(const Json& schema, const Json& value, const std::string& at) {
        for (const Json& name : schema.value("required", Json::array())) {
            if (!value.contains(name.get<std::string>())) {
                Problem(at, "lacks " + name.dump());
            }
        }
        const Json properties = schema.value("properties", Json::object());
        for (const auto& [name, member] : value.items()) {
            const std::string where = at + "/" + name;
            if (properties.contains(name)) {
                Check(properties[name], member, where);
            } else if (schema.contains("additionalProperties")) {
                const Json& extra = schema["additionalProperties"];
                if (extra == false) {
                    Problem(where, "is not in the schema");
                } else if (extra.is_object()) {
                    Check(extra, member, where);
                }
            }
        }
    }

    void CheckArray(const Json& schema, const Json& value, const std::string& at) {
        if (schema.contains("minItems") && value.size() < schema["minItems"]) {
            Problem(at, fmt::format("has {} items, fewer than {}", value.size(),
                                    schema["minItems"].dump()));
        }
        if (schema.contains("maxItems") && value.size() > schema["maxItems"]) {
            Problem(at, fmt::format("has {} items, more than {}", value.size(),
                                    schema["maxItems"].dump()));
        }
        if (schema.contains("items")) {
            for (std::size_t i = 0; i < value.size(); ++i) {
                Check(schema["items"], value[i], fmt::format("{}/{}", at, i));
            }
        }
    }

    const Json& m_root;
    std::vector<std::string> m_problems;
};

}  // namespace

std::vector<std::string> SchemaProblems(const nlohmann::json& schema, const nlohmann::json& value) {
    Validator validator(schema);
    validator.Check(schema, value, "");
    return std::move(validator).Problems();
}

// Reading the game's JSON files field by field: each helper checks the kind and range of one
// field and throws Guasto, with the reason, at the first that is wrong.
#pragma once

#include <array>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

namespace gnamm::json_fields {

using nlohmann::json;

struct Guasto : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline const json& Campo(const json& o, const char* nome) {
    if (!o.is_object()) throw Guasto("not an object where one is expected");
    const auto it = o.find(nome);
    if (it == o.end()) throw Guasto(std::string("missing ") + nome);
    return *it;
}

inline int Intero(const json& o, const char* nome, int min, int max) {
    const json& v = Campo(o, nome);
    if (!v.is_number_integer() || v.get<long long>() < min || v.get<long long>() > max) {
        throw Guasto(std::string(nome) + " out of range");
    }
    return v.get<int>();
}

inline bool Vero(const json& o, const char* nome) {
    const json& v = Campo(o, nome);
    if (!v.is_boolean()) throw Guasto(std::string(nome) + " is not true or false");
    return v.get<bool>();
}

inline std::string Testo(const json& o, const char* nome) {
    const json& v = Campo(o, nome);
    if (!v.is_string()) throw Guasto(std::string(nome) + " is not a text");
    return v.get<std::string>();
}

inline const json& Lista(const json& o, const char* nome, std::size_t n) {
    const json& v = Campo(o, nome);
    if (!v.is_array() || v.size() != n) throw Guasto(std::string(nome) + " has the wrong length");
    return v;
}

template <std::size_t N>
void Interi(const json& o, const char* nome, std::array<int, N>& out, int min, int max) {
    const json& v = Lista(o, nome, N);
    for (std::size_t i = 0; i < N; ++i) {
        if (!v[i].is_number_integer() || v[i].get<long long>() < min ||
            v[i].get<long long>() > max) {
            throw Guasto(std::string(nome) + " out of range");
        }
        out[i] = v[i].get<int>();
    }
}

template <std::size_t N>
void Veri(const json& o, const char* nome, std::array<bool, N>& out) {
    const json& v = Lista(o, nome, N);
    for (std::size_t i = 0; i < N; ++i) {
        if (!v[i].is_boolean()) throw Guasto(std::string(nome) + " is not true or false");
        out[i] = v[i].get<bool>();
    }
}

}  // namespace gnamm::json_fields

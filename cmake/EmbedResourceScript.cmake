# Script half of orvo_embed_resource: writes a source that registers the bytes.
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" n)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n" bytes "${bytes}")
math(EXPR count "${n} / 2")
file(WRITE "${OUT}" "// Generated from ${IN}; do not edit.\n#include \"host/services/Resources.h\"\n\nnamespace {\nconst unsigned char k${ID}[] = {\n${bytes}0};\nconst Orvo::TStaticResourceRegistration r${ID}(Orvo::TResourceType::${TYPE}, \"${NAME}\", std::span<const std::uint8_t>(k${ID}, ${count}));\n}  // namespace\n")

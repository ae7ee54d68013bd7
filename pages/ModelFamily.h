#pragma once
// The model families of the settings block: where the values, limits and
// defaults lie and how the page shows them.

#include <string>

enum class TModelFamily { Airplane, LargeCar, Ardent, General };

// Airplane models first, then the large car (model "CAR_ESC" on large car
// hardware), then the Ardent models; every other model is general.
TModelFamily ModelFamilyOf(const std::string& Model, const std::string& Hardware);
// The model key of FModel: the model a device reports, or, while a demo model
// is shown (FModel then holds its section name, "<model> <hardware>"), the
// section name's first word.
std::string ModelKeyOf(const std::string& Model);
// "AIRPLANE_V2" and "AIRPLANE_PID_V2": the eight-combo airplane table.
bool IsAirplaneV2(const std::string& Model);

// The settings name of the block: UTF-8 up to the first zero byte (all 15
// bytes when there is none); bytes that are not valid UTF-8 read as Windows-1252.
std::string SettingsNameText(const uint8_t* Bytes, int Count);
// The name's bytes: at most Count, cut at a character boundary.
std::string SettingsNameBytes(const std::string& Text, int Count);

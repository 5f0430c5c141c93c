#pragma once
// Which objects of a figure may be chosen for a purpose. A purpose is a
// designation rule, a number 1 to 111 (any other number means every object):
// the field of a construction dialog, an object-choosing menu command, a
// style of the style palette. The rule turns into the set of object numbers
// that may be designated now; picking limits its search to that set.
#include <cstdint>

#include "model/figure.h"

namespace km32 {

// Every drawable object from 7 on (objects whose access is forbidden stay).
constexpr uint16_t kDesignationDessinables = 17;

// Clears the set and adds the objects of the rule; then, for every rule but
// 17 and 82, removes the objects 1 to N whose access is forbidden.
void objetsDesignablesPourCommande(const TfigureKalmetra& f, uint16_t regle, TEnsembleObjets& ensemble);
// True when the rule designates nothing in the figure.
bool aucunObjetDesignable(const TfigureKalmetra& f, uint16_t regle);
// The rule of an object-choosing menu command (81 for any other command).
uint16_t designationDeCommande(uint16_t commande);
// The rule of a style code of the style palette.
uint16_t designationDeStyle(uint8_t style);

} // namespace km32

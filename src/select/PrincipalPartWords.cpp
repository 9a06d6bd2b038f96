// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrincipalPartWords.h"

namespace lumenary::catalogue {

namespace {

// Each verb stands in the form the question bank gives it: σῴζω with its iota
// subscript, the imperfect of εἰμί as ἤμην, ἀφίημι, ἀγγέλλω and ἀρνέομαι.
constexpr ListedVerb kElementaryVerbs[] = {
    {1, "lu,w"},          {2, "avkou,w"},      {3, "gra,fw"},        {4, "stre,fw"},
    {5, "a;gw"},          {6, "e;cw"},         {7, "a;rcw"},         {8, "sw|,zw"},
    {9, "pei,qw"},        {10, "lamba,nw"},    {11, "e;rcomai"},     {12, "ginw,skw"},
    {13, "gi,nomai"},     {14, "bai,nw"},      {15, "o`ra,w"},       {16, "le,gw"},
    {17, "fe,rw"},        {18, "pi,ptw"},      {19, "lei,pw"},       {20, "evsqi,w"},
    {21, "eivmi, $h;mhn%"}, {22, "ba,llw"},    {23, "evgei,rw"},     {24, "ai;rw"},
    {25, "me,nw"},        {26, "kri,nw"},      {27, "avpokri,nomai"}, {28, "avpoktei,nw"},
    {29, "avpoqnh|,skw"}, {30, "avposte,llw"}, {31, "a`marta,nw"},   {32, "qe,lw"},
    {33, "pi,nw"},        {34, "spei,rw"},     {35, "cai,rw"},       {36, "eu`ri,skw"},
    {37, "aivte,w"},      {38, "kale,w"},      {39, "ti,qhmi"},      {40, "di,dwmi"},
    {41, "i]sthmi"},      {42, "dei,knumi"},   {43, "avfi,hmi"},
};

constexpr ListedVerb kIrregularVerbs[] = {
    {2, "avgge,llw"},     {3, "a;gw"},         {5, "ai`re,w"},       {6, "ai;rw"},
    {7, "avkou,w"},       {9, "a`marta,nw"},   {10, "avnoi,gw"},     {14, "avpoktei,nw"},
    {15, "avpo,llumi"},   {17, "avre,skw"},    {19, "avrne,omai"},   {21, "a;rcw"},
    {23, "avfi,hmi"},     {24, "bai,nw"},      {25, "ba,llw"},       {31, "game,w"},
    {32, "gi,nomai"},     {33, "ginw,skw"},    {34, "gra,fw"},       {35, "dei,knumi"},
    {37, "de,comai"},     {41, "dida,skw"},    {42, "di,dwmi"},      {43, "diw,kw"},
    {45, "du,namai"},     {48, "evggi,zw"},    {51, "eivmi, $h;mhn%"}, {57, "evlpi,zw"},
    {58, "evrga,zomai"},  {59, "e;rcomai"},    {60, "evsqi,w"},      {61, "euvaggeli,zw"},
    {63, "eu`ri,skw"},
};

} // namespace

std::span<const ListedVerb> ElementaryVerbs()
{
    return kElementaryVerbs;
}

std::span<const ListedVerb> IrregularVerbs()
{
    return kIrregularVerbs;
}

} // namespace lumenary::catalogue

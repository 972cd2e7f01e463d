#!/bin/sh
# Draws the tool bar icons and the program icon with ImageMagick (run from this folder).
set -e
C="convert -size 32x32 xc:none -strokewidth 2"
# Nouveau: a blank page with a folded corner.
$C -fill white -stroke '#303030' -draw "polygon 7,3 20,3 26,9 26,29 7,29" \
   -fill '#d0d0d0' -draw "polygon 20,3 20,9 26,9" new.png
# Ouvrir: an open yellow folder.
$C -fill '#e0b030' -stroke '#5a4010' -draw "polygon 2,8 11,8 13,11 27,11 27,27 2,27" \
   -fill '#f8d860' -draw "polygon 6,15 31,15 27,27 2,27" open.png
# Enregistrer: a blue diskette with its label and shutter.
$C -fill '#2850a0' -stroke '#102040' -draw "polygon 3,3 26,3 29,6 29,29 3,29" \
   -fill white -stroke none -draw "rectangle 8,5 24,13" \
   -fill '#c0c0c0' -draw "rectangle 9,19 23,28" -fill '#2850a0' -draw "rectangle 18,21 21,27" save.png
# Imprimer: a printer with a sheet of paper.
$C -fill white -stroke '#303030' -draw "rectangle 9,3 23,14" \
   -fill '#909090' -draw "rectangle 3,13 29,24" -fill white -draw "rectangle 9,20 23,29" \
   -stroke '#30a030' -draw "point 25,17" print.png
# A propos de: a question mark in a blue disc.
$C -fill '#3060c0' -stroke '#103070' -draw "circle 16,16 16,2" \
   -fill white -stroke none -font DejaVu-Sans-Bold -pointsize 22 -gravity center -annotate +0+1 "?" about.png
# The program icon: a three-layer wall between a warm and a cold side, with a heat arrow.
convert -size 256x256 xc:none \
   -fill '#f4e4c8' -stroke '#404040' -strokewidth 6 -draw "roundrectangle 8,8 248,248 28,28" \
   -stroke none -fill '#a0a0a0' -draw "rectangle 84,40 116,216" \
   -fill '#f0d040' -draw "rectangle 116,40 148,216" \
   -fill '#c06040' -draw "rectangle 148,40 172,216" \
   -fill none -stroke '#303030' -strokewidth 4 -draw "rectangle 84,40 172,216" \
   -stroke '#d02020' -strokewidth 10 -draw "line 28,128 66,128" \
   -fill '#d02020' -stroke none -draw "polygon 62,108 82,128 62,148" \
   -stroke '#2040d0' -strokewidth 10 -draw "line 186,128 224,128" \
   -fill '#2040d0' -stroke none -draw "polygon 220,108 240,128 220,148" quelvan.png
convert quelvan.png -resize 64x64 quelvan-64.png

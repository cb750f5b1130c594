# Prints a program's cost figures beside those of its floor, a bare window of
# the same shape: for each figure the median and range of both programs'
# samples, their ratio and difference, and how many samples each had.
# Sourced by the measuring scripts; the figures are printed, never judged.
#   cost_table_header TITLE
#   cost_row FIGURE "GAME SAMPLES..." "FLOOR SAMPLES..." [DECIMALS]

# "count median min max" of the numbers on standard input.
cost_statistics() {
    sort -g | awk '{ v[NR] = $1 }
        END {
            if (NR == 0) { print 0, "nan", "nan", "nan"; exit }
            median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            print NR, median, v[1], v[NR]
        }'
}

cost_table_header() {
    echo "$1"
    printf '%-46s %-25s %-25s %7s %10s %s\n' "figure" "game: median (range)" \
        "floor: median (range)" "ratio" "difference" "samples"
}

cost_row() {
    local figure=$1 decimals=${4:-1} game floor
    game=$(printf '%s\n' $2 | cost_statistics)
    floor=$(printf '%s\n' $3 | cost_statistics)
    awk -v figure="$figure" -v d="$decimals" -v game="$game" -v floor="$floor" 'BEGIN {
        split(game, g, " "); split(floor, f, " ")
        value = "%." d "f"
        gameText = sprintf(value " (" value " to " value ")", g[2], g[3], g[4])
        floorText = sprintf(value " (" value " to " value ")", f[2], f[3], f[4])
        ratio = f[2] != 0 ? sprintf("%.2fx", g[2] / f[2]) : "-"
        printf "%-46s %-25s %-25s %7s %+10." d "f %d + %d\n", figure, gameText, floorText, ratio,
               g[2] - f[2], g[1], f[1]
    }'
}

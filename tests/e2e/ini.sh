source "$(dirname "${BASH_SOURCE[0]}")/../support/e2e.sh"  # moved there; kept until tools/test-windows.sh sources it
